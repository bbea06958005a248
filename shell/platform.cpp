// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The real message box, process end and window operations.

#include "shell/app.h"

#include "pages/build.h"
#include "shell/toolkit_words.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
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

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// A screen reader reads a page's place from its accessible description when
// the window becomes active, but only the older ones do (Orca 43); the newer
// ones read the title and the focused control and leave the description out.
// Since Qt 6.8 the program can make an announcement, which they read: each
// page, once shown, announces its place when it is first active, after the
// focus has moved into it, so that it follows the title and the focused
// control and neither cuts it short. A page that is hidden before it was
// active announces nothing.
class PlaceAnnouncer final : public QObject {
    Q_OBJECT
public:
    explicit PlaceAnnouncer(QWidget* page) : QObject(page), page_(page) { page->installEventFilter(this); }

    static void arm(QWidget* page)
    {
        auto* announcer = page->findChild<PlaceAnnouncer*>(QString(), Qt::FindDirectChildrenOnly);
        (announcer ? announcer : new PlaceAnnouncer(page))->armed_ = true;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) {
            armed_ = false;
        } else if (event->type() == QEvent::WindowActivate && armed_) {
            armed_ = false;
            // The focus moves into the page after this event.
            QTimer::singleShot(0, this, [this] {
                if (!page_->isVisible() || !page_->isActiveWindow())
                    return;
                QAccessibleAnnouncementEvent place(page_, page_->accessibleDescription());
                QAccessible::updateAccessibility(&place);
            });
        }
        return false;
    }

private:
    QWidget* page_;
    bool armed_ = false;
};
#endif

class QtWindows final : public Windows {
public:
    void show(QWidget* page) override
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        PlaceAnnouncer::arm(page);  // before show: some platforms activate at once
#endif
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

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include "platform.moc"
#endif
