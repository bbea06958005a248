// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/buttons.h"

#include "pages/widgets.h"
#include "shell/app.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace shell {

namespace {

class ReturnPress final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // Keypad Enter carries the keypad modifier; any other one makes it a
        // different key.
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (!key->isAutoRepeat())
            static_cast<QAbstractButton*>(watched)->click();
        return true;
    }
};

}  // namespace

void pressOnReturn(QAbstractButton* button)
{
    button->installEventFilter(new ReturnPress(button));
}

void bindButtons(App& app, pages::PageWindow* page, std::span<const ButtonRow> rows)
{
    for (const ButtonRow& row : rows) {
        if (row.action == Action::EndProgram) {
            app.onClick(page, row.handler, [&app] { app.endProgram(); });
            continue;
        }
        if (row.action == Action::NavigateOnward)
            page->setOnward(row.target);
        app.onClick(page, row.handler, [&app, page, target = row.target] { app.navigate(page, target); });
    }
}

}  // namespace shell

#include "buttons.moc"
