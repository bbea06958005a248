// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The real message box, process end and window operations.

#include "shell/app.h"

#include "pages/build.h"
#include "shell/toolkit_words.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace shell {

namespace {

class QtMessageBox final : public MessageBox {
public:
    void show(QWidget* over, const QString& prompt, const QString& title) override
    {
        // Shown without an event loop of its own: the handler that opened it
        // returns at once, and the box lives on its own, owned by the page.
        QWidget* page = over ? over->window() : nullptr;
        auto* box = new QMessageBox(QMessageBox::NoIcon, pages::windowTitleText(title), prompt, QMessageBox::Ok, page);
        box->setTextFormat(Qt::PlainText);
        nameUntitledBox(*box);
        box->setWindowModality(Qt::ApplicationModal);
        // Right-aligned text in a box that is not mirrored.
        box->setLayoutDirection(Qt::LeftToRight);
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            label->setAlignment(Qt::AlignAbsolute | Qt::AlignRight | Qt::AlignVCenter);
        // No icon anywhere, also not the one some platforms put on OK.
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->setIcon(QIcon());
        // Read as an alert named by its title, or by its prompt when it has
        // none; the prompt itself is read from the box's text.
        box->setAccessibleName(title.isEmpty() ? prompt : title);
        QObject::connect(box, &QDialog::finished, box, [box, page = QPointer<QWidget>(page)] {
            box->deleteLater();
            // Give the keyboard back to the page, also where no window
            // manager does it when the box goes away.
            if (page && page->isVisible())
                page->activateWindow();
        });
        open_ = box;
        box->show();
    }

    bool isOpen() const override { return open_ && open_->isVisible(); }

    void showFatal(const QString& what) override
    {
        std::fprintf(stderr, "filora: fatal error: %s\n", qPrintable(what));
        std::fflush(stderr);
        QMessageBox::critical(nullptr, QStringLiteral("فيلورا"), what);
    }

private:
    QPointer<QMessageBox> open_;
};

class QtProcessEnd final : public ProcessEnd {
public:
    void end(int status) override { QCoreApplication::exit(status); }
};

class QtWindows final : public Windows {
public:
    void show(QWidget* page) override
    {
        page->show();
        page->activateWindow();
        const QWindow* window = page->windowHandle();
        if (!window || !window->handle() || !page->isVisible())
            throw WindowSystemError("the window system could not show the page " + page->objectName().toStdString());
    }

    void hide(QWidget* page) override { page->hide(); }
};

}  // namespace

MessageBox& platformMessageBox()
{
    static QtMessageBox box;
    return box;
}

ProcessEnd& platformProcessEnd()
{
    static QtProcessEnd end;
    return end;
}

Windows& platformWindows()
{
    static QtWindows windows;
    return windows;
}

}  // namespace shell
