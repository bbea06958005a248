// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the opening, interlude and closing pages (included by
// info/texts.h): constant, so that the page descriptions holding them are
// constant too.
//
// Every character is kept as the page shows it: leading and trailing
// blanks, runs of blanks and the kashida (U+0640) that stretch words are
// part of the text. Long texts are split into adjacent literals only for
// reading; each piece ends with the blanks that follow it.
//
// All characters stay within the Windows Arabic code page (1256).

#include <string_view>

namespace info {

// Opening page, Form24 Label2: a sage's saying in ten clauses.
inline constexpr std::u16string_view kOpeningSaying =
    u"   قال حكـــيم: العلم نور لأهله وزاد المرء إلى الآخرة وكنز لا ينفد على الأيام،  "
    u"والأمانة أثقل ما يحمله المرء وحقها أن ترد لأهلها، "
    u"والعمر زائل كالبرق فاملأه بالخير قبل الندم، "
    u"والأيام دول تمر بالمرء بين الرخاء والشدائد، "
    u"والمرء بعلمه وأدبه لا بماله ونسبه، "
    u"والحلم زينة العالم والأناة حلية الأمير العادل، "
    u"والصبر مر المذاق لكنه يبلغ المرء المراد والمنى، "
    u"والأمل دواء الهموم والآلام ونور المرء إذا أظلمت الدنيا، "
    u"والمال عارية لا تدوم لأصحابها ولا يبقى للمرء منه إلا الأجر والذكر،  "
    u"والدنيا دار الفناء والآخرة دار البقـــاء والقرار. ";

// First interlude, Form25 Label2: the five pillars, as narrated in Sahih
// Muslim, one part per line of the label; the runs of three blanks that
// close the first four items fall at the line ends.
inline constexpr std::u16string_view kInterludeSaying =
    u"قـــــــــــــــــال رسولـــــــــــــــــنا الكـــــــــــــــــريم "
    u"إن الإســـــــــلام بنـــــــــي عـــــــــلى خمـــــــــس "
    u"شهــــــــــــــــــــــادة أن لا إلـــــــــــــــــــــه إلا الله   "
    u"وإقــــــــــــــــــــــــــــــام الصــــــــــــــــــــــــــــــلاة   "
    u"وإيتــــــــــــــــــــــــــــــاء الزكــــــــــــــــــــــــــــــاة   "
    u"وصيــــــــــــــــــــــــــــام رمضـــــــــــــــــــــــــــــان   "
    u"وحـــــــــــــــــــــــــــــــج البـــــــــــــــــــــــــــــــيت ";

// First interlude, Form25 Label3.
inline constexpr std::u16string_view kProverb =
    u"الأيام صحائف الأعمار والسعيد من يخلدها بأحسن الأعمال ";

// Second interlude, Form26 Label2, Label4 and Label3 (top to bottom:
// kAnecdote1, kAnecdote2, kAnecdote3).
inline constexpr std::u16string_view kAnecdote1 =
    u"قيل لحكـــيم: ما هي الأشيـــاء الثلاثة التي لا ينبغي للعاقل أن يهملها أبدا فقـــال: "
    u"وقته فإنه عمره وصديقه فإنه سنده في الشـــدائد ولسانه فإنه عنــوان عقله ";

inline constexpr std::u16string_view kAnecdote2 =
    u"سأل تلميـــذ معلمـــه: متى يصير المـــرء عالمـــا؟ "
    u"فقال حين يعـــرف أنه لا يعـــلم كل شيء، ويظل يطــلب العـــلم طول حيـــاته ";

inline constexpr std::u16string_view kAnecdote3 =
    u"قيل لأحد البخـــلاء: لماذا لا تدعو الناس إلى طعـــامك؟ "
    u"قال أخــاف أن يأكـــلوه!! ";

// Closing page, Form23 Label1 and Label2.
inline constexpr std::u16string_view kClosing1 =
    u"نرجو الله أن ينفع بهذه المعلومات الجميع وأن يوفقنا لما فيه الخير والســـــــداد إنه على ذلك قــــــــــدير والله على ما نقول شهيد                     ";

inline constexpr std::u16string_view kClosing2 =
    u" وختاماً نشكركم على إقتنائكم برنامج فيلـــورا ونقول لكم ترقبوا المزيـــــــــد  والسلام عليكم ورحمة الله وبركاته                  ";

}  // namespace info
