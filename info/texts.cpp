#include "info/texts.h"
namespace info {
const std::u16string_view kOpeningSaying = u"[نص البداية]";
const std::u16string_view kInterludeSaying = u"[نص الاستراحة]";
const std::u16string_view kProverb = u"الأيام صحائف الأعمار والسعيد من يخلدها بأحسن الأعمال ";
const std::u16string_view kAnecdote1 = u"[طرفة ١]";
const std::u16string_view kAnecdote2 = u"[طرفة ٢]";
const std::u16string_view kAnecdote3 = u"[طرفة ٣]";
const std::u16string_view kClosing1 = u"نرجو الله أن ينفع بهذه المعلومات الجميع وأن يوفقنا لما فيه الخير والســـــــداد إنه على ذلك قــــــــــدير والله على ما نقول شهيد                     ";
const std::u16string_view kClosing2 = u" وختاماً نشكركم على إقتنائكم برنامج فيلـــورا ونقول لكم ترقبوا المزيـــــــــد  والسلام عليكم ورحمة الله وبركاته                  ";
}
