// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/build.h"

#include "pages/look.h"
#include "pages/widgets.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace pages {

namespace {

// The caption of a button, a check box or a frame is plain text: an
// ampersand is shown, never taken as the marker of an access key.
QString withoutAccessKey(std::u16string_view caption)
{
    QString t = text(caption);
    t.replace(QLatin1Char('&'), QLatin1String("&&"));
    return t;
}

int logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
}

QWidget* createControl(const Control& c, QWidget* parent, int dpi)
{
    QWidget* widget = nullptr;
    switch (c.kind) {
    case Kind::Label: {
        auto* label = new Label(c.back, c.fore, c.align, parent);
        if (c.font)
            label->setFont(makeFont(*c.font));
        label->setText(text(c.caption));
        widget = label;
        break;
    }
    case Kind::Frame: {
        auto* frame = new Frame(c.back, c.fore, c.rtl, parent);
        frame->setTitle(withoutAccessKey(c.caption));
        widget = frame;
        break;
    }
    case Kind::Button: {
        auto* button = new QPushButton(withoutAccessKey(c.caption), parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case Kind::CheckBox: {
        auto* box = new CheckBox(withoutAccessKey(c.caption), parent);
        // The tick box stands at the left whatever the caption's script.
        box->setLayoutDirection(Qt::LeftToRight);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, resolveColour(c.back, palette));
        palette.setColor(QPalette::WindowText, resolveColour(c.fore, palette));
        box->setPalette(palette);
        box->setBackgroundRole(QPalette::Window);
        box->setAutoFillBackground(true);
        widget = box;
        break;
    }
    }
    widget->setObjectName(controlObjectName(c.name, c.index));
    QRect geometry(twipsToPixels(c.left, dpi), twipsToPixels(c.top, dpi),
                   twipsToPixels(c.width, dpi), twipsToPixels(c.height, dpi));
    if (c.kind == Kind::Label && c.autoSize) {
        // Sized to the caption on one line; left and top stay as stored.
        auto* label = static_cast<Label*>(widget);
        label->setWordWrap(false);
        geometry.setSize(label->oneLineSize());
    }
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace

QString text(std::u16string_view caption)
{
    return QString::fromUtf16(caption.data(), qsizetype(caption.size()));
}

QString windowTitleText(const QString& title)
{
    QString t = title;
    t.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    return t;
}

QString controlObjectName(std::string_view name, int index)
{
    QString result = QString::fromLatin1(name.data(), qsizetype(name.size()));
    if (index != kNoIndex)
        result += QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
    return result;
}

namespace {

// The artwork (72 × 72) and its drawings at the sizes of title bars, task
// bars and window switchers (the resource list in CMakeLists.txt), read when
// the window system first asks for them: the offscreen platform never does.
class PageIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        artwork().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return artwork().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return artwork().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return artwork().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return artwork().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("filora-page"); }
    QIconEngine* clone() const override { return new PageIconEngine; }
    bool isNull() override { return false; }

private:
    static const QIcon& artwork()
    {
        static const QIcon icon = [] {
            // Read as PNG directly: guessing the format would load every image plug-in.
            QIcon drawings;
            for (int size : {16, 24, 32, 48, 72}) {
                QImageReader reader(QStringLiteral(":/filora/filora-%1.png").arg(size), "png");
                reader.setAutoDetectImageFormat(false);
                drawings.addPixmap(QPixmap::fromImage(reader.read()));
            }
            return drawings;
        }();
        return icon;
    }
};

}  // namespace

const QIcon& pageIcon()
{
    static const QIcon icon(new PageIconEngine);
    return icon;
}

PageWindow* buildPage(const Page& page)
{
    const int dpi = logicalDpi();
    auto* window = new PageWindow(page.back);
    window->setObjectName(QString::fromLatin1(page.name.data(), qsizetype(page.name.size())));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(windowTitleText(text(page.title)));
    window->setWindowIcon(pageIcon());
    window->resize(twipsToPixels(page.clientWidth, dpi), twipsToPixels(page.clientHeight, dpi));

    std::vector<QWidget*> created;
    created.reserve(page.controls.size());
    for (const Control& c : page.controls) {
        QWidget* parent = c.parent == kOnPage ? window : created[std::size_t(c.parent)];
        created.push_back(createControl(c, parent, dpi));
    }

    // Labels are drawn on their parent's surface, beneath its frames, buttons
    // and check boxes.
    for (auto i = created.size(); i-- > 0;)
        if (page.controls[i].kind == Kind::Label)
            created[i]->lower();

    std::vector<std::size_t> focusable;
    for (std::size_t i = 0; i < created.size(); ++i) {
        const Kind kind = page.controls[i].kind;
        if (kind == Kind::Button || kind == Kind::CheckBox)
            focusable.push_back(i);
        else
            created[i]->setFocusPolicy(Qt::NoFocus);
    }
    std::stable_sort(focusable.begin(), focusable.end(), [&](std::size_t a, std::size_t b) {
        return page.controls[a].tabIndex < page.controls[b].tabIndex;
    });
    QList<QWidget*> order;
    for (std::size_t i : focusable)
        order << created[i];
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    if (!order.isEmpty())
        order.first()->setFocus();
    window->setFocusOrder(order);
    return window;
}

QWidget* findControl(const QWidget* page, std::string_view name, int index)
{
    const QString wanted = controlObjectName(name, index);
    const auto children = page->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (child->objectName().compare(wanted, Qt::CaseInsensitive) == 0)
            return child;
    return nullptr;
}

}  // namespace pages
