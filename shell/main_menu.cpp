// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/main_menu.h"

#include "pages/build.h"
#include "pages/descriptions.h"
#include "pages/widgets.h"
#include "shell/app.h"
#include "shell/buttons.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QObject>

#include <memory>

namespace shell {

namespace {

constexpr ButtonRow kMenuButtons[] = {
    {"Command1_Click", Action::NavigateOnward, "Form24"},  // "التالي"
    {"w_Click", Action::Navigate, "Form2"},                // "صفحة الألغاز"
    {"Command6_Click", Action::Navigate, "Form7"},         // "صفحة الأوائل"
    {"Command5_Click", Action::Navigate, "Form15"},        // "صفحة الأسئلة"
    {"Command2_Click", Action::EndProgram, {}},            // "خروج"
};

struct Hint {
    std::string_view handler;  // "<Control>_MouseMove", or Form_MouseMove for the window
    std::u16string_view text;
};

constexpr Hint kHints[] = {
    {"a_MouseMove", u"لا تنسى أن تدعو لنا "},
    {"Command1_MouseMove", u"بسم الله وعلى بركة الله "},
    {"Command2_MouseMove", u"الله يوفقك في الدنيا والآخرة ومع السلامة"},
    {"Command5_MouseMove", u"اذهب الى صفحات الأسئلة واستفد من 62 معلومة وسؤال"},
    {"Command6_MouseMove", u"اذهب الى صفحات الأوائل واستفد من 62 معلومة"},
    {"w_MouseMove", u"اذهب الى صفحات الألغاز حيث يوجد 35 لغزا "},
    {"Form_MouseMove", u"إختبر معلوماتك واستمتع مع برنامج فيلورا"},
};

constexpr std::u16string_view kAboutTitle = u"أهلا ومرحبا بكم في فيلورا";
constexpr std::u16string_view kAboutBefore =
    u"السلام عليكم ورحمة الله وبركاته يسر أخيكم في الله برنوان أن يقدم لكم هذا البرنامج المتواضع والذي "
    u"يحتوي على مجموعة متواضعة من الألغاز المتنوعة والأوائل والأسئلة العامة التي أرجوا الله أن ينفع بها "
    u"الجميع إنه على ذلك قدير كما يسرني تقبل إقتراحاتكم واستفساراتكم وملا حظاتكم على بريدي التالي ";
constexpr std::u16string_view kAuthorAddress = u"burnawan@example.com";
constexpr std::u16string_view kAboutAfter = u" والله ولي التوفيق";

// Puts a control's hint into the hint line whenever the pointer moves over
// it, with or without a button held. The window's own hint applies only
// where no control lies.
class HintLine : public QObject {
    Q_OBJECT
public:
    HintLine(pages::PageWindow* page, QLabel* line) : QObject(page), page_(page), line_(line) {}

    void watch(QWidget* widget, std::u16string_view hint)
    {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
        widget->setProperty(kHintProperty, pages::text(hint));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseMove)
            return false;
        if (watched == page_) {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (page_->childAt(move->position().toPoint()))
                return false;  // came up from a control, or lies over a label
        }
        line_->setText(watched->property(kHintProperty).toString());
        return false;
    }

private:
    static constexpr const char* kHintProperty = "hoverHint";
    pages::PageWindow* page_;
    QLabel* line_;
};

}  // namespace

QString aboutTitle()
{
    return pages::text(kAboutTitle);
}

QString aboutText()
{
    return pages::text(kAboutBefore) + pages::text(kAuthorAddress) + pages::text(kAboutAfter);
}

pages::PageWindow* buildMainMenu(App& app)
{
    // Owned here until bound: a page that fails to bind is not leaked.
    std::unique_ptr<pages::PageWindow> owner(pages::buildPage(pages::kForm1));
    pages::PageWindow* page = owner.get();
    // Read on arrival after the title, which other pages share.
    page->setAccessibleDescription(QStringLiteral("القائمة الرئيسية"));
    bindButtons(app, page, kMenuButtons);
    app.onClick(page, "a_Click", [&app, page] { app.showMessage(page, aboutText(), aboutTitle()); });

    auto* line = qobject_cast<QLabel*>(pages::findControl(page, "Label2"));
    auto* hints = new HintLine(page, line);
    for (const Hint& hint : kHints) {
        const std::string_view control = hint.handler.substr(0, hint.handler.find('_'));
        QWidget* target = control == "Form" ? page : pages::findControl(page, control);
        hints->watch(target, hint.text);
    }
    return owner.release();
}

}  // namespace shell

#include "main_menu.moc"
