// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/style.h"


#include <QAccessibleWidget>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace pages {

namespace {

class PageStyle final : public QProxyStyle {
    Q_OBJECT
public:
    explicit PageStyle(QStyle* fusion) : QProxyStyle(fusion) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        // Fusion marks a focused push button only by a faint outline.
        if (element == CE_PushButton && (option->state & State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*option);
            focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
            drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
        }
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // The text colour is readable on the control's back colour, so the
        // mark is too: yellow on a slot's purple, black on a grey button.
        const bool button = qobject_cast<const QPushButton*>(widget) != nullptr;
        const QColor ink = option->palette.color(button ? QPalette::ButtonText : QPalette::WindowText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(ink, 1, Qt::SolidLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

QAccessibleInterface* pageAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("pages::PageWindow") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

QStyle* createPageStyle()
{
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    return fusion ? new PageStyle(fusion) : nullptr;
}

void installAccessibility()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(pageAccessible);
    }
}

}  // namespace pages

#include "style.moc"
