// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Test doubles for the message box and the process end, and small helpers
// to reach the controls of a page.

#include "pages/build.h"
#include "pages/widgets.h"
#include "shell/app.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>
#include <QString>
#include <QtTest>

namespace support {

class RecordingBox final : public shell::MessageBox {
public:
    struct Shown {
        QWidget* over;
        QString prompt;
        QString title;
    };
    void show(QWidget* over, const QString& prompt, const QString& title) override
    {
        shown << Shown{over, prompt, title};
    }
    void showFatal(const QString& what) override { fatal << what; }

    QList<Shown> shown;
    QStringList fatal;
};

class RecordingEnd final : public shell::ProcessEnd {
public:
    void end(int status) override { statuses << status; }
    QList<int> statuses;
};

// A registry with recording doubles and the real windows.
struct Harness {
    RecordingBox box;
    RecordingEnd end;
    shell::App app{box, end, shell::platformWindows()};

    pages::PageWindow* page(int number) { return app.lookUp(number); }

    static int numberOf(std::string_view name) { return shell::App::pageNumber(name); }

    // Shows a page as start-up shows the main menu.
    pages::PageWindow* showPage(int number)
    {
        pages::PageWindow* shown = app.lookUp(number);
        shell::platformWindows().show(shown);
        return shown;
    }

    // The single visible page, or nullptr when none or several are visible.
    pages::PageWindow* visiblePage() const
    {
        pages::PageWindow* found = nullptr;
        for (int number = 1; number <= shell::kPageCount; ++number) {
            pages::PageWindow* candidate = app.existing(number);
            if (candidate && candidate->isVisible()) {
                if (found)
                    return nullptr;
                found = candidate;
            }
        }
        return found;
    }
};

// A registry with the platform's real message box.
struct RealBoxHarness {
    RecordingEnd end;
    shell::App app{shell::platformMessageBox(), end, shell::platformWindows()};

    pages::PageWindow* showPage(int number)
    {
        pages::PageWindow* shown = app.lookUp(number);
        shell::platformWindows().show(shown);
        return shown;
    }
};

// Hands the modal message box that the next action opens to `inspect`, which
// must close it; `inspected` tells afterwards whether a box was there.
template <typename Inspect>
void inspectNextModalBox(QObject* context, bool& inspected, Inspect inspect)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    inspected = false;
    QTimer::singleShot(0, context, [&inspected, inspect] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            inspected = true;
            QPointer<QMessageBox> open = box;
            inspect(box);
            if (open && open->isVisible())
                open->close();  // a failed check must not leave the test waiting
        }
    });
}

template <typename T = QAbstractButton>
T* control(QWidget* page, const char* name, int index = pages::kNoIndex)
{
    auto* found = qobject_cast<T*>(pages::findControl(page, name, index));
    if (!found)
        qFatal("no control %s on %s", name, qPrintable(page->objectName()));
    return found;
}

// A click with the pointer in the middle of the control, as the user gives it.
inline void click(QWidget* page, const char* name)
{
    QTest::mouseClick(control(page, name), Qt::LeftButton);
}

// One data row per page, Form1 to Form26, with the page's number in `column`.
inline void addPageRows(const char* column)
{
    QTest::addColumn<int>(column);
    for (int number = 1; number <= shell::kPageCount; ++number)
        QTest::addRow("Form%d", number) << number;
}

inline int pageNumber(const QString& name)
{
    return name.mid(4).toInt();
}

}  // namespace support
