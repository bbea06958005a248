// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes, as JSON on standard output, what the end-to-end test expects to
// find through assistive technology: every page's title and description
// (where on the tour it stands), label captions and
// buttons, every answer box with its description, prompt and title, and the
// main menu's hint for each of its buttons. The answers and hints come from
// the program's own handlers, run here on the offscreen platform.

#include "pages/build.h"
#include "pages/widgets.h"
#include "shell/app.h"
#include "shell/start.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QTest>

#include <cstdio>

namespace {

class RecordingBox final : public shell::MessageBox {
public:
    void show(QWidget*, const QString& prompt, const QString& title) override
    {
        lastPrompt = prompt;
        lastTitle = title;
    }
    void showFatal(const QString&) override {}
    QString lastPrompt, lastTitle;
};

class NoEnd final : public shell::ProcessEnd {
public:
    void end(int) override {}
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    shell::prepareApplication();
    RecordingBox box;
    NoEnd end;
    shell::App app(box, end);

    QJsonObject result;
    for (int number = 1; number <= shell::kPageCount; ++number) {
        pages::PageWindow* page = app.lookUp(number);
        QJsonObject entry;
        entry[QStringLiteral("title")] = page->windowTitle();
        entry[QStringLiteral("description")] = page->accessibleDescription();
        QJsonArray labels;
        for (QLabel* label : page->findChildren<QLabel*>())
            labels.append(label->text());
        entry[QStringLiteral("labels")] = labels;
        QJsonObject buttons;
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
            if (!qobject_cast<QCheckBox*>(button))
                buttons[button->objectName()] = button->text();
        entry[QStringLiteral("buttons")] = buttons;
        QJsonArray boxes;
        for (QCheckBox* answer : page->findChildren<QCheckBox*>()) {
            answer->click();
            boxes.append(QJsonObject{
                {QStringLiteral("name"), answer->objectName()},
                {QStringLiteral("frame"), qobject_cast<QGroupBox*>(answer->parentWidget())->title()},
                {QStringLiteral("description"), answer->accessibleDescription()},
                {QStringLiteral("prompt"), box.lastPrompt},
                {QStringLiteral("title"), box.lastTitle},
            });
        }
        entry[QStringLiteral("boxes")] = boxes;
        if (number == 1) {
            shell::platformWindows().show(page);
            auto* hintLine = qobject_cast<QLabel*>(pages::findControl(page, "Label2"));
            QJsonObject hints;
            for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
                QTest::mouseMove(page->windowHandle(), button->geometry().center());
                hints[button->text()] = hintLine->text();
            }
            entry[QStringLiteral("hints")] = hints;
            QTest::mouseMove(page->windowHandle(), QPoint(4, 4));
            entry[QStringLiteral("windowHint")] = hintLine->text();
        }
        result[page->objectName()] = entry;
    }
    std::fputs(QJsonDocument(result).toJson(QJsonDocument::Indented).constData(), stdout);
    return 0;
}
