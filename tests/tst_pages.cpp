// SPDX-FileCopyrightText: 2026 The Filora contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page description model and the look of the pages: the window of every
// page, every slot frame of the quiz pages, their bottom rows and section
// headings, the controls of the main menu and of the information pages, the
// focus order and the Tab key, the drawing rules of labels and frames, system
// colours, twips, and captions as plain text in code page 1256.
// Expected values are written out here, not taken from the program's tables.

#include "support.h"
#include "pages/build.h"
#include "pages/look.h"
#include "pages/widgets.h"
#include "quiz/quiz_page.h"
#include "shell/app.h"
#include "shell/start.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGlyphRun>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QRawFont>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextLayout>
#include <QtTest>

#include <climits>
#include <functional>
#include <memory>
#include <cmath>
#include <string_view>

using namespace Qt::Literals::StringLiterals;
using pages::Align;
using pages::Colour;
using A = pages::Align;

Q_DECLARE_METATYPE(pages::Align)

namespace {

// Slot frame caption colours: highlighted text (the usual one), white, button highlight.
constexpr Colour H = 0x8000000Eu;
constexpr Colour W = 0x00FFFFFFu;
constexpr Colour B = 0x80000014u;
constexpr Colour kPurple = 0x00800080u;
constexpr Colour kYellow = 0x0000FFFFu;
constexpr int kLineHeight = 13;  // one line of the default font: 195 twips

// Twips to pixels at 96 dpi; every stored value used here is a whole number of pixels.
int px(int twips) { return twips / 15; }
QString str(const char* latin) { return QString::fromLatin1(latin); }
QString str(const char16_t* text) { return QString::fromUtf16(text); }

// One data row per table row, named by `name`, holding the row's index.
template <typename Row, std::size_t N, typename Name>
void indexRows(const Row (&rows)[N], Name name)
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(name(rows[i]).constData()) << int(i);
}

// Window title, client size in twips, back colour and number of controls of every page.
struct WindowRow { const char* page; const char16_t* title; int width, height; Colour back; int controls; };

const WindowRow kWindows[] = {
    {"Form1", u"فيلورا ", 6690, 6405, 0x00808000u, 8},
    {"Form2", u"فيلورا", 6690, 6405, 0x00000000u, 25},
    {"Form3", u"فيلورا", 6690, 6405, 0x00000000u, 24},
    {"Form4", u"فيلورا", 6690, 6405, 0x80000012u, 24},
    {"Form5", u"فيلورا ", 6690, 6405, 0x80000012u, 24},
    {"Form6", u"فيلورا ", 6690, 6405, 0x80000012u, 24},
    {"Form7", u"فيلورا ", 6690, 6405, 0x80000012u, 22},
    {"Form8", u"فيلورا ", 6690, 6405, 0x80000012u, 27},
    {"Form9", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form10", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form11", u"فيلورا ", 6690, 6405, 0x80000012u, 27},
    {"Form12", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form13", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form14", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form15", u"فيلورا", 6690, 6405, 0x80000012u, 22},
    {"Form16", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form17", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form18", u" فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form19", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form20", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form21", u"فيلورا ", 6690, 6405, 0x80000012u, 27},
    {"Form22", u"فيلورا", 6690, 6405, 0x80000012u, 27},
    {"Form23", u"فيلورا", 6600, 6405, 0x80000012u, 5},
    {"Form24", u"فيلورا", 6690, 6405, 0x80000012u, 5},
    {"Form25", u"فيلورا ", 6690, 6405, 0x80000012u, 6},
    {"Form26", u"فيلورا", 6690, 6405, 0x80000012u, 7},
};

// The slot frames of the quiz pages, slot 1 at the top. The question label's
// name is left empty on the riddles pages.
struct SlotRow { const char* page; int slot; const char* frame; const char* label; int top, height; Colour caption; const char16_t* title; };

const SlotRow kSlots[] = {
    {"Form2", 1, "Frame1", "", 840, 615, W, u"اللغز الأول"},
    {"Form2", 2, "Frame2", "", 1560, 615, W, u"اللغز الثاني"},
    {"Form2", 3, "Frame3", "", 2280, 615, W, u"اللغز الثالث"},
    {"Form2", 4, "Frame4", "", 3000, 615, W, u"اللغز الرابع"},
    {"Form2", 5, "Frame5", "", 3720, 615, B, u"اللغز الخامس"},
    {"Form2", 6, "Frame6", "", 4440, 615, B, u"اللغز السادس"},
    {"Form2", 7, "Frame7", "", 5160, 615, B, u"اللغز السابع"},
    {"Form3", 1, "Frame1", "", 120, 615, H, u"اللغز الثامن"},
    {"Form3", 2, "Frame2", "", 840, 615, H, u"اللغز التاسع"},
    {"Form3", 3, "Frame3", "", 1560, 735, H, u"اللغز العاشر"},
    {"Form3", 4, "Frame4", "", 2400, 735, H, u"اللغز الحادي عشر"},
    {"Form3", 5, "Frame5", "", 3240, 855, H, u"اللغز الثاني عشر"},
    {"Form3", 6, "Frame6", "", 4200, 735, H, u"اللغز الثالث عشر"},
    {"Form3", 7, "Frame7", "", 5040, 735, H, u"اللغز الرابع عشر"},
    {"Form4", 1, "Frame1", "", 120, 735, H, u"اللغز الخامس عشر"},
    {"Form4", 2, "Frame2", "", 960, 615, H, u"اللغز السادس عشر "},
    {"Form4", 3, "Frame3", "", 1680, 735, H, u"اللغز السابع عشر"},
    {"Form4", 4, "Frame4", "", 2520, 855, H, u"اللغز الثامن عشر"},
    {"Form4", 5, "Frame5", "", 3480, 735, H, u"اللغز التاسع عشر"},
    {"Form4", 6, "Frame6", "", 4320, 615, H, u"اللغز العشرون "},
    {"Form4", 7, "Frame7", "", 5040, 735, H, u"اللغز الحادي والعشرون"},
    {"Form5", 1, "Frame1", "", 120, 735, H, u"اللغز الثاني والعشرون"},
    {"Form5", 2, "Frame2", "", 960, 615, H, u"اللغز الثالث والعشرون"},
    {"Form5", 3, "Frame3", "", 1680, 735, H, u"اللغز الرابع والعشرون "},
    {"Form5", 4, "Frame4", "", 2520, 735, H, u"اللغز الخامس والعشرون"},
    {"Form5", 5, "Frame5", "", 3360, 735, H, u"اللغز السادس والعشرون"},
    {"Form5", 6, "Frame6", "", 4200, 855, H, u"اللغز السابع والعشرون"},
    {"Form5", 7, "Frame7", "", 5160, 615, H, u"اللغز الثامن والعشرون"},
    {"Form6", 1, "Frame1", "", 120, 735, H, u"اللغز التاسع والعشرون"},
    {"Form6", 2, "Frame2", "", 960, 735, H, u"اللغز الثلاثون"},
    {"Form6", 3, "Frame3", "", 1800, 735, H, u"اللغز الحادي والثلاثون"},
    {"Form6", 4, "Frame4", "", 2640, 735, H, u"اللغز الثاني والثلاثون"},
    {"Form6", 5, "Frame5", "", 3480, 735, W, u"اللغز الثالث والثلاثون"},
    {"Form6", 6, "Frame6", "", 4320, 735, H, u"اللغز الرابع والثلاثون"},
    {"Form6", 7, "Frame7", "", 5160, 615, H, u"اللغز الخامس والثلاثون"},
    {"Form7", 1, "Frame1", "Label2", 960, 735, H, u"السؤال الأول"},
    {"Form7", 2, "Frame2", "Label3", 1800, 735, H, u"السؤال الثاني "},
    {"Form7", 3, "Frame3", "Label4", 2640, 735, H, u"السؤال الثالث"},
    {"Form7", 4, "Frame4", "Label5", 3480, 735, H, u"السؤال الرابع"},
    {"Form7", 5, "Frame5", "Label6", 4320, 735, H, u"السؤال الخامس"},
    {"Form7", 6, "Frame6", "Label7", 5160, 615, H, u"السؤال السادس"},
    {"Form8", 1, "Frame1", "Label1", 120, 615, H, u"السؤال السابع"},
    {"Form8", 2, "Frame2", "Label2", 840, 615, W, u"السؤال الثامن"},
    {"Form8", 3, "Frame3", "Label3", 1560, 615, H, u"السؤال التاسع"},
    {"Form8", 4, "Frame4", "Label4", 2280, 615, H, u"السؤال العاشر"},
    {"Form8", 5, "Frame5", "Label5", 3000, 615, H, u"السؤال الحادي عشر"},
    {"Form8", 6, "Frame6", "Label6", 3720, 615, H, u"السؤال الثاني عشر"},
    {"Form8", 7, "Frame7", "Label7", 4440, 615, H, u"السؤال الثالث عشر"},
    {"Form8", 8, "Frame8", "Label8", 5160, 615, H, u"السؤال الرابع عشر"},
    {"Form9", 1, "Frame1", "Label2", 120, 615, H, u"السؤال الخامس عشر"},
    {"Form9", 2, "Frame2", "Label3", 840, 615, H, u"السؤال السادس عشر"},
    {"Form9", 3, "Frame3", "Label4", 1560, 615, H, u"السؤال السابع عشر"},
    {"Form9", 4, "Frame4", "Label5", 2280, 615, H, u"السؤال الثامن عشر"},
    {"Form9", 5, "Frame5", "Label6", 3000, 615, H, u"السؤال التاسع عشر"},
    {"Form9", 6, "Frame6", "Label7", 3720, 615, H, u"السؤال العشـــــــرون"},
    {"Form9", 7, "Frame7", "Label8", 4440, 615, H, u"السؤال الحادي والعشرون"},
    {"Form9", 8, "Frame8", "Label9", 5160, 615, H, u"السؤال الثاني والعشرون"},
    {"Form10", 1, "Frame1", "Label1", 120, 615, H, u"السؤال الثالث والعشرون"},
    {"Form10", 2, "Frame2", "Label2", 840, 615, H, u"السؤال الرابع والعشرون"},
    {"Form10", 3, "Frame3", "Label3", 1560, 615, W, u"السؤال الخامس والعشرون"},
    {"Form10", 4, "Frame4", "Label4", 2280, 615, H, u"السؤال السادس والعشرون"},
    {"Form10", 5, "Frame5", "Label5", 3000, 615, H, u"السؤال السابع والعشرون "},
    {"Form10", 6, "Frame6", "Label6", 3720, 615, H, u"السؤال الثامن والعشرون"},
    {"Form10", 7, "Frame7", "Label7", 4440, 615, H, u"السؤال التاسع والعشرون"},
    {"Form10", 8, "Frame8", "Label8", 5160, 615, H, u"السؤال الثلاثـــــــــــــــون"},
    {"Form11", 1, "Frame1", "Label1", 120, 615, H, u"السؤال الواحد والثلاثون"},
    {"Form11", 2, "Frame2", "Label2", 840, 615, H, u"السؤال الثاني والثلاثون"},
    {"Form11", 3, "Frame3", "Label3", 1560, 615, H, u"السؤال الثالث والثلاثون"},
    {"Form11", 4, "Frame4", "Label4", 2280, 615, H, u"السؤال الرابع والثلاثون"},
    {"Form11", 5, "Frame5", "Label5", 3000, 615, H, u"السؤال الخامس والثلاثون"},
    {"Form11", 6, "Frame6", "Label6", 3720, 615, H, u"السؤال السادس والثلاثون"},
    {"Form11", 7, "Frame7", "Label7", 4440, 615, H, u"السؤال السابع والثلاثون"},
    {"Form11", 8, "Frame8", "Label8", 5160, 615, H, u"السؤال الثامن والثلاثون"},
    {"Form12", 1, "Frame1", "Label2", 120, 615, H, u"السؤال التاسع والثلاثون"},
    {"Form12", 2, "Frame2", "Label3", 840, 615, H, u"السؤال الأربعــــــــــــون"},
    {"Form12", 3, "Frame3", "Label4", 1560, 615, H, u"السؤال الحادي والأربعون"},
    {"Form12", 4, "Frame4", "Label5", 2280, 615, H, u"السؤال الثاني والأربعون"},
    {"Form12", 5, "Frame5", "Label6", 3000, 615, H, u"السؤال الثالث والأربعون"},
    {"Form12", 6, "Frame6", "Label7", 3720, 615, H, u"السؤال الرابع والأربعون"},
    {"Form12", 7, "Frame7", "Label8", 4440, 615, H, u"السؤال الخامس والأربعون"},
    {"Form12", 8, "Frame8", "Label9", 5160, 615, H, u"السؤال السادس والأربعون"},
    {"Form13", 1, "Frame1", "Label2(0)", 120, 615, B, u"السؤال السابع والأربعون"},
    {"Form13", 2, "Frame2", "Label2(1)", 840, 615, H, u"السؤال الثامن والأربعون"},
    {"Form13", 3, "Frame3", "Label2(2)", 1560, 615, H, u"السؤال التاسع والأربعون"},
    {"Form13", 4, "Frame4", "Label2(3)", 2280, 615, H, u"السؤال الخمســـــــــــــون"},
    {"Form13", 5, "Frame5", "Label2(4)", 3000, 615, H, u"السؤال الحادي والخمسون"},
    {"Form13", 6, "Frame6", "Label2(5)", 3720, 615, H, u"السؤال الثاني والخمسون"},
    {"Form13", 7, "Frame7", "Label2(6)", 4440, 615, H, u"السؤال الثالث والخمسون"},
    {"Form13", 8, "Frame8", "Label2(7)", 5160, 615, H, u"السؤال الرابع والخمسون"},
    {"Form14", 1, "Frame1", "Label2(0)", 120, 615, H, u" السؤال الخامس والخمسون"},
    {"Form14", 2, "Frame2(0)", "Label3", 840, 615, H, u"السؤال السادس والخمسون"},
    {"Form14", 3, "Frame2(1)", "Label2(1)", 1560, 615, H, u"السؤال السابع والخمسون"},
    {"Form14", 4, "Frame2(2)", "Label2(2)", 2280, 615, H, u"السؤال الثامن والخمسون"},
    {"Form14", 5, "Frame2(3)", "Label2(3)", 3000, 615, H, u"السؤال التاسع والخمسون"},
    {"Form14", 6, "Frame2(4)", "Label2(4)", 3720, 615, H, u"السؤال الستــــــــــــــــــون"},
    {"Form14", 7, "Frame2(5)", "Label2(5)", 4440, 615, H, u"السؤال الحادي والستون"},
    {"Form14", 8, "Frame2(6)", "Label2(6)", 5160, 615, H, u"السؤال الثاني والستون"},
    {"Form15", 1, "Frame1", "Label3(0)", 960, 735, H, u"السؤال  الأول"},
    {"Form15", 2, "Frame2", "Label3(1)", 1800, 735, H, u"السؤال الثاني"},
    {"Form15", 3, "Frame3", "Label3(2)", 2640, 735, H, u"السؤال الثالث"},
    {"Form15", 4, "Frame4", "Label3(3)", 3480, 735, H, u"السؤال الرابع"},
    {"Form15", 5, "Frame5", "Label3(4)", 4320, 735, H, u"السؤال الخامس"},
    {"Form15", 6, "Frame6", "Label3(5)", 5160, 615, H, u"السؤال السادس"},
    {"Form16", 1, "Frame1", "Label1(0)", 120, 615, H, u"السؤال السايع"},
    {"Form16", 2, "Frame2", "Label1(1)", 840, 615, H, u"السؤال الثامن"},
    {"Form16", 3, "Frame3", "Label1(2)", 1560, 615, H, u"السؤال التاسع"},
    {"Form16", 4, "Frame4", "Label1(3)", 2280, 615, H, u"السؤال العاشر"},
    {"Form16", 5, "Frame5", "Label1(4)", 3000, 615, H, u"السؤال الحادي عشر"},
    {"Form16", 6, "Frame6", "Label1(5)", 3720, 615, H, u"السؤال الثاني عشر"},
    {"Form16", 7, "Frame7", "Label1(6)", 4440, 615, H, u"السؤال الثالث عشر"},
    {"Form16", 8, "Frame8", "Label1(7)", 5160, 615, H, u"السؤال الرابع عشر"},
    {"Form17", 1, "Frame1(0)", "Label2(0)", 120, 615, H, u"السؤال الخامس عشر"},
    {"Form17", 2, "Frame1(1)", "Label2(1)", 840, 615, W, u"السؤال السادس عشر"},
    {"Form17", 3, "Frame1(2)", "Label2(2)", 1560, 615, H, u"السؤال السابع عشر"},
    {"Form17", 4, "Frame1(3)", "Label2(3)", 2280, 615, H, u"السؤال الثامن عشر"},
    {"Form17", 5, "Frame1(4)", "Label2(4)", 3000, 615, H, u"السؤال التاسع عشر"},
    {"Form17", 6, "Frame1(5)", "Label2(5)", 3720, 615, H, u"السؤال العشــــــــرون"},
    {"Form17", 7, "Frame1(6)", "Label2(6)", 4440, 615, H, u"السؤال الحادي والعشرون"},
    {"Form17", 8, "Frame1(7)", "Label2(7)", 5160, 615, H, u"السؤال الثاني والعشرون"},
    {"Form18", 1, "Frame1", "Label2(0)", 120, 615, H, u"السؤال الثالث والعشرون"},
    {"Form18", 2, "Frame2(0)", "Label2(1)", 840, 615, H, u"السؤال الرابع والعشرون"},
    {"Form18", 3, "Frame2(1)", "Label1(0)", 1560, 615, H, u"السؤال الخامس والعشرون"},
    {"Form18", 4, "Frame2(2)", "Label1(1)", 2280, 615, H, u"السؤال السادس والعشرون"},
    {"Form18", 5, "Frame2(4)", "Label1(2)", 3000, 615, H, u"السؤال السابع والعشرون"},
    {"Form18", 6, "Frame2(3)", "Label1(3)", 3720, 615, H, u"السؤال الثامن والعشرون"},
    {"Form18", 7, "Frame2(5)", "Label1(4)", 4440, 615, H, u"السؤال التاسع والعشرون"},
    {"Form18", 8, "Frame2(6)", "Label1(5)", 5160, 615, H, u"السؤال الثلاثـــــــــــون"},
    {"Form19", 1, "Frame1(0)", "Label2(0)", 120, 615, H, u"السؤال الحادي والثلاثون "},
    {"Form19", 2, "Frame1(7)", "Label2(1)", 840, 615, H, u"السؤال الثاني والثلاثون"},
    {"Form19", 3, "Frame1(6)", "Label2(2)", 1560, 615, H, u"السؤال الثالث والثلاثون"},
    {"Form19", 4, "Frame1(5)", "Label2(3)", 2280, 615, H, u"السؤال الرابع والثلاثون"},
    {"Form19", 5, "Frame1(4)", "Label2(4)", 3000, 615, H, u"السؤال الخامس والثلاثون"},
    {"Form19", 6, "Frame1(3)", "Label2(5)", 3720, 615, W, u"السؤال السادس والثلاثون"},
    {"Form19", 7, "Frame1(2)", "Label2(6)", 4440, 615, H, u"السؤال السابع والثلاثون"},
    {"Form19", 8, "Frame1(1)", "Label2(7)", 5160, 615, H, u"السؤال الثامن والثلاثون"},
    {"Form20", 1, "Frame1(0)", "Label2(0)", 120, 615, H, u"السؤال التاسع والثلاثون"},
    {"Form20", 2, "Frame1(8)", "Label2(1)", 840, 615, H, u"السؤال الأربعــــــــــــون"},
    {"Form20", 3, "Frame1(7)", "Label2(2)", 1560, 615, H, u"السؤال الحادي والأربعون"},
    {"Form20", 4, "Frame1(6)", "Label2(8)", 2280, 615, H, u"السؤال الثاني والأربعون"},
    {"Form20", 5, "Frame1(5)", "Label2(4)", 3000, 615, H, u"السؤال الثالث والأربعون"},
    {"Form20", 6, "Frame1(4)", "Label2(5)", 3720, 615, H, u"السؤال الرابع والأربعون"},
    {"Form20", 7, "Frame1(3)", "Label2(6)", 4440, 615, H, u"السؤال الخامس والأربعون"},
    {"Form20", 8, "Frame1(2)", "Label2(7)", 5160, 615, H, u"السؤال السادس والأربعون"},
    {"Form21", 1, "Frame1(0)", "Label2(0)", 120, 615, H, u"السؤال السابع والأربعون"},
    {"Form21", 2, "Frame1(8)", "Label2(1)", 840, 615, H, u"السؤال الثامن والأربعون"},
    {"Form21", 3, "Frame1(7)", "Label2(2)", 1560, 615, H, u"السؤال التاسع والأربعون"},
    {"Form21", 4, "Frame1(6)", "Label2(3)", 2280, 615, H, u"السؤال الخمســـــــــــون"},
    {"Form21", 5, "Frame1(5)", "Label2(4)", 3000, 615, H, u"السؤال الحادي والخمسون"},
    {"Form21", 6, "Frame1(4)", "Label2(5)", 3720, 615, H, u"السؤال الثاني والخمسون"},
    {"Form21", 7, "Frame1(3)", "Label2(6)", 4440, 615, H, u"السؤال الثالث والخمسون"},
    {"Form21", 8, "Frame1(2)", "Label2(7)", 5160, 615, H, u"السؤال الرابع والخمسون"},
    {"Form22", 1, "Frame1(0)", "Label2(0)", 120, 615, H, u"السؤال الخامس والخمسون"},
    {"Form22", 2, "Frame1(5)", "Label2(1)", 840, 615, H, u"السؤال السادس والخمسون"},
    {"Form22", 3, "Frame1(4)", "Label2(2)", 1560, 615, H, u"السؤال السابع والخمسون"},
    {"Form22", 4, "Frame1(3)", "Label2(3)", 2280, 615, H, u"السؤال الثامن والخمسون"},
    {"Form22", 5, "Frame1(2)", "Label2(4)", 3000, 615, H, u"السؤال التاسع والخمسون"},
    {"Form22", 6, "Frame1(1)", "Label2(5)", 3720, 615, H, u"السؤال الستـــــــــــــون"},
    {"Form22", 7, "Frame1(7)", "Label2(6)", 4440, 615, H, u"السؤال الحادي والستون"},
    {"Form22", 8, "Frame1(6)", "Label2(7)", 5160, 615, H, u"السؤال الثاني والستون "},
};

// The bottom row of the quiz pages: the widths of Next and Previous, Previous's
// caption, and the page-number label.
struct BottomRow {
    const char* page;
    int nextWidth, previousWidth;
    const char16_t* previous;
    const char* label;
    int left, width, height;
    bool autoSize;
    Align align;
    Colour back, fore;
    const char16_t* caption;
};

const BottomRow kBottomRows[] = {
    {"Form2", 2055, 2055, u"السابق", "Label10", 2820, 1095, 195, true, A::Centre, 0x80000006u, 0x8000000Eu, u" الألغــــــ 1ـــــاز"},
    {"Form3", 1935, 1935, u"السابق", "Label2", 2640, 1620, 195, true, A::Left, 0x00000000u, 0x8000000Eu, u"الألغــــــــــ2ـــــــــــــــاز"},
    {"Form4", 1815, 1935, u"السابق", "Label1", 2640, 1395, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الألغـــــــــــــ3ـــــــاز"},
    {"Form5", 1935, 2055, u"السابق", "Label8", 2640, 1215, 195, true, A::Left, 0x80000007u, 0x8000000Eu, u"الألغــــــــــ4ــــــاز"},
    {"Form6", 2175, 2055, u"السابق", "Label8", 2640, 1530, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الألغـــــــــــــــ5ــــــــاز"},
    {"Form7", 2055, 2175, u"السابق", "Label8", 2640, 1155, 195, true, A::Left, 0x80000012u, 0x80000014u, u"الأوائــــــــ1ــــــل"},
    {"Form8", 2295, 2055, u"السابق ", "Label9", 2640, 1575, 255, false, A::Left, 0x80000012u, 0x80000014u, u"الأوائــــــــــــ2ــــــــــــل"},
    {"Form9", 2055, 2055, u"السابق", "Label1", 2640, 1335, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الأوائــــــــــ3ــــــــل"},
    {"Form10", 2055, 1935, u"السابق", "Label9", 2640, 1515, 195, true, A::Left, 0x80000012u, 0x80000014u, u"الأوائــــــــــــــ4ــــــــل"},
    {"Form11", 1935, 1815, u"السابق", "Label9", 2640, 1470, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الأوائـــــــــــــ5ــــــــل"},
    {"Form12", 2055, 2055, u"السابق", "Label1", 2640, 1155, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الأوائـــــــــ6ـــــل"},
    {"Form13", 2055, 2175, u"السابق", "Label1", 2640, 1200, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الأوائـــــــــ7ــــــل"},
    {"Form14", 2055, 2055, u"السابق", "Label1", 2640, 1290, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الأوائــــــــــ8ـــــــل"},
    {"Form15", 1935, 2055, u"السابق", "Label2", 2640, 1065, 195, true, A::Left, 0x80000012u, 0x80000014u, u"الأسئلة  1 العامة"},
    {"Form16", 1815, 1935, u"السابق", "Label2", 2880, 1095, 195, true, A::Centre, 0x80000012u, 0x80000014u, u"الأسئلة 2 العامة "},
    {"Form17", 2055, 2175, u"السابق", "Label1", 2760, 1065, 195, true, A::Left, 0x80000012u, 0x80000014u, u"الأسئلة 3 العامة "},
    {"Form18", 2175, 2295, u"السابق", "Label3", 2760, 1215, 255, false, A::Left, 0x80000012u, 0x80000014u, u"الأسئلة 4 العامة"},
    {"Form19", 2055, 2175, u"السابق", "Label1", 2760, 1020, 195, true, A::Left, 0x80000008u, 0x8000000Eu, u"الأسئلة 5 العامة"},
    {"Form20", 1935, 1935, u"السابق", "Label1", 2760, 1020, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الأسئلة 6 العامة"},
    {"Form21", 1815, 1935, u"السابق", "Label1", 2760, 1065, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الأسئلة 7 العامة "},
    {"Form22", 2055, 2055, u"السابق", "Label1", 2760, 1065, 195, true, A::Left, 0x80000012u, 0x8000000Eu, u"الأسئلة 8 العامة "},
};

struct HeadingRow { const char* page; int width, height; double points; const char16_t* caption; };

const HeadingRow kHeadings[] = {
    {"Form2", 6375, 615, 18, u"الألغـــــــــــــــــــــــاز"},
    {"Form7", 6495, 735, 18, u"الأوائــــــــــــــــــــــــل"},
    {"Form15", 6495, 735, 20.25, u"الأسئـــــــــــــــلة العــــــامة"},
};

// The controls of the main menu and of the information pages. A caption of
// nullptr is not checked (texts still being written); buttons have no stored
// colours and the default font.
enum class Kind { Label, Button };
using K = Kind;

struct ControlRow {
    const char* page;
    const char* name;
    Kind kind;
    int left, top, width, height;
    const char16_t* caption;
    Colour back, fore;
    Align align;
    double points;
    int weight;
};

const ControlRow kControls[] = {
    {"Form1", "Label1", K::Label, 240, 240, 6255, 2415, u"أهلا ومرحبا بكم في فيلورا", 0x00404000u, 0x00C0FFC0u, A::Centre, 48, 700},
    {"Form1", "Command1", K::Button, 1200, 5280, 1935, 495, u"التالي", 0, 0, A::Centre, 8, 400},
    {"Form1", "Command2", K::Button, 3360, 5280, 1935, 495, u"خروج", 0, 0, A::Centre, 8, 400},
    {"Form1", "w", K::Button, 4680, 4320, 1575, 495, u"صفحة الألغاز", 0, 0, A::Centre, 8, 400},
    {"Form1", "Command5", K::Button, 480, 4320, 1575, 495, u"صفحة الأسئلة", 0, 0, A::Centre, 8, 400},
    {"Form1", "Command6", K::Button, 2520, 4320, 1575, 495, u"صفحة الأوائل", 0, 0, A::Centre, 8, 400},
    {"Form1", "a", K::Button, 1920, 2760, 2655, 615, u"حول البرنامج", 0, 0, A::Centre, 8, 400},
    {"Form1", "Label2", K::Label, 1200, 5880, 4095, 375, u"", 0x00808000u, 0x0000FF00u, A::Centre, 8, 400},
    {"Form23", "Label1", K::Label, 360, 120, 5895, 2295, u"نرجو الله أن ينفع بهذه المعلومات الجميع وأن يوفقنا لما فيه الخير والســـــــداد إنه على ذلك قــــــــــدير والله على ما نقول شهيد                     ", 0x00000080u, 0x00FFFFC0u, A::Right, 21.75, 400},
    {"Form23", "Label2", K::Label, 360, 2520, 5895, 2175, u" وختاماً نشكركم على إقتنائكم برنامج فيلـــورا ونقول لكم ترقبوا المزيـــــــــد  والسلام عليكم ورحمة الله وبركاته                  ", 0x00000080u, 0x00FFFFC0u, A::Right, 21.75, 400},
    {"Form23", "Label3", K::Label, 360, 4800, 5895, 615, u"مصمم البرنامج / برنوان", 0x00000080u, 0x00FFFFC0u, A::Centre, 20.25, 400},
    {"Form23", "Command1", K::Button, 360, 5760, 2175, 495, u"خروج", 0, 0, A::Centre, 8, 400},
    {"Form23", "Command2", K::Button, 4080, 5760, 2175, 495, u"عودة", 0, 0, A::Centre, 8, 400},
    {"Form24", "Label1", K::Label, 240, 120, 6255, 615, u"بـــــــــــــــداية", 0x000000C0u, 0x00C0C0C0u, A::Centre, 24, 700},
    {"Form24", "Label2", K::Label, 240, 840, 6255, 4815, nullptr, 0x00004000u, 0x0080FF80u, A::Right, 18, 700},
    {"Form24", "Command1", K::Button, 240, 5760, 2175, 495, u"متابعة ", 0, 0, A::Centre, 8, 400},
    {"Form24", "Command2", K::Button, 4560, 5760, 1935, 495, u"عودة ", 0, 0, A::Centre, 8, 400},
    {"Form24", "Command3", K::Button, 2760, 5760, 1455, 495, u"خروج", 0, 0, A::Centre, 8, 400},
    {"Form25", "Label1", K::Label, 240, 120, 6255, 615, u"استــــــــــــــــــراحة ", 0x000000C0u, 0x00C0C0C0u, A::Centre, 20.25, 700},
    {"Form25", "Label2", K::Label, 240, 960, 6255, 3255, nullptr, 0x00404000u, 0x0080FF80u, A::Right, 18, 700},
    {"Form25", "Label3", K::Label, 240, 4440, 6255, 1095, u"الأيام صحائف الأعمار والسعيد من يخلدها بأحسن الأعمال ", 0x00404000u, 0x0080FF80u, A::Right, 24, 700},
    {"Form25", "Command1", K::Button, 4680, 5760, 1815, 495, u"عودة ", 0, 0, A::Centre, 8, 400},
    {"Form25", "Command2", K::Button, 2520, 5760, 1815, 495, u"خروج ", 0, 0, A::Centre, 8, 400},
    {"Form25", "Command3", K::Button, 240, 5760, 1815, 495, u"متابعة ", 0, 0, A::Centre, 8, 400},
    {"Form26", "Label1", K::Label, 240, 120, 6255, 615, u"اســـــــــــــــــــــــــتراحـــــــــــة", 0x000000C0u, 0x00C0C0C0u, A::Centre, 21.75, 700},
    {"Form26", "Label2", K::Label, 240, 840, 6255, 1815, nullptr, 0x00004000u, 0x0080FF80u, A::Right, 18, 700},
    {"Form26", "Label4", K::Label, 240, 2760, 6255, 1575, nullptr, 0x00004000u, 0x0080FF80u, A::Right, 18, 700},
    {"Form26", "Label3", K::Label, 240, 4440, 6255, 975, nullptr, 0x00004000u, 0x0080FF80u, A::Right, 18, 700},
    {"Form26", "Command1", K::Button, 4440, 5760, 2055, 495, u"عودة ", 0, 0, A::Centre, 8, 400},
    {"Form26", "Command2", K::Button, 120, 5760, 1935, 495, u"متابعة", 0, 0, A::Centre, 8, 400},
    {"Form26", "Command3", K::Button, 2400, 5760, 1695, 495, u"خروج", 0, 0, A::Centre, 8, 400},
};

bool inked(QRgb pixel, const QColor& back)
{
    return std::abs(qRed(pixel) - back.red()) + std::abs(qGreen(pixel) - back.green())
        + std::abs(qBlue(pixel) - back.blue()) > 90;
}

// The colour that covers most of an image.
QColor dominantColour(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), best = it.key();
    return QColor::fromRgb(best);
}

// The box of the right-most run of inked columns within the rows top..bottom.
QRect rightmostInk(const QImage& image, const QColor& back, int top, int bottom)
{
    auto inkRows = [&](int x, int& first, int& last) {
        bool any = false;
        for (int y = top; y <= bottom; ++y)
            if (inked(image.pixel(x, y), back)) {
                first = std::min(first, y), last = std::max(last, y), any = true;
            }
        return any;
    };
    int first = INT_MAX, last = -1;
    int x = image.width() - 1;
    while (x >= 0 && !inkRows(x, first, last))
        --x;
    const int right = x;
    while (x >= 0 && inkRows(x, first, last))
        --x;
    return right < 0 ? QRect() : QRect(QPoint(x + 1, first), QPoint(right, last));
}

// Every caption and title a page shows, its window title first.
QStringList textsOf(const QWidget* page)
{
    QStringList texts{page->windowTitle()};
    for (const QWidget* child : page->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<const QLabel*>(child))
            texts << label->text();
        else if (auto* frame = qobject_cast<const QGroupBox*>(child))
            texts << frame->title();
        else if (auto* button = qobject_cast<const QAbstractButton*>(child))
            texts << button->text();
    }
    return texts;
}

bool fitsCodePage1256(const QString& text)
{
    QStringEncoder encoder("windows-1256");
    const QByteArray bytes = encoder.encode(text);
    QStringDecoder decoder("windows-1256");
    return !encoder.hasError() && QString(decoder.decode(bytes)) == text;
}

}  // namespace

class TestPages : public QObject {
    Q_OBJECT

    shell::App app_;

    pages::PageWindow* page(const QString& name) { return app_.lookUp(name.toStdString()); }

private slots:
    void initTestCase() { shell::prepareApplication(); }

    void windowProperties_data() { indexRows(kWindows, [](const auto& r) { return QByteArray(r.page); }); }
    void windowProperties();
    void slotFrames_data() { indexRows(kSlots, [](const auto& r) { return r.page + " slot "_ba + QByteArray::number(r.slot); }); }
    void slotFrames();
    void bottomRow_data() { indexRows(kBottomRows, [](const auto& r) { return QByteArray(r.page); }); }
    void bottomRow();
    void sectionHeadings_data() { indexRows(kHeadings, [](const auto& r) { return QByteArray(r.page); }); }
    void sectionHeadings();
    void menuAndInfoControls_data() { indexRows(kControls, [](const auto& r) { return r.page + " "_ba + r.name; }); }
    void menuAndInfoControls();
    void focusOrder_data();
    void focusOrder();
    void tabKeyFollowsTheFocusOrder_data() { focusOrder_data(); }
    void tabKeyFollowsTheFocusOrder();
    void labelLinesFollowTheAlignment_data();
    void labelLinesFollowTheAlignment();
    void finalFullStopStandsAtTheRightEnd();
    void textBeyondTheBoxIsCutOff();
    void systemColoursFollowThePalette();
    void plainColoursUnpack_data();
    void plainColoursUnpack();
    void twipsToPixels_data();
    void twipsToPixels();
    void captionsArePlainText();
    void textsFitCodePage1256();
    void textsAreDrawnInTheFacesNamed_data();
    void textsAreDrawnInTheFacesNamed();
    void changesAfterAPaintAreDrawn_data();
    void changesAfterAPaintAreDrawn();
};

void TestPages::windowProperties()
{
    QFETCH(int, row);
    const WindowRow& r = kWindows[row];
    pages::PageWindow* w = page(str(r.page));
    QVERIFY(w);
    QCOMPARE(w->objectName(), str(r.page));
    QCOMPARE(w->windowTitle(), str(r.title));
    QCOMPARE(w->size(), QSize(px(r.width), px(r.height)));
    QCOMPARE(w->back(), r.back);
    QCOMPARE(int(w->findChildren<QWidget*>().size()), r.controls);

    // A top-level window, sizable, with title bar, system menu and close box,
    // and neither minimise nor maximise box.
    const Qt::WindowFlags flags = w->windowFlags();
    QCOMPARE(w->windowType(), Qt::Window);
    QVERIFY(w->isWindow() && !w->parentWidget());
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::FramelessWindowHint));
    QVERIFY(w->minimumSize() != w->maximumSize());
    QVERIFY(!w->windowIcon().isNull());
    const QPixmap icon = w->windowIcon().pixmap(QSize(72, 72));  // the artwork itself, 72 x 72
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(72, 72));

    // The artwork also comes drawn at the sizes of title bars and task bars,
    // each one a drawing of that size (its cyan band at the bottom), not a
    // scaled copy of another.
    const QList<QSize> sizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {72, 72}};
    QCOMPARE(w->windowIcon().availableSizes(), sizes);
    for (const QSize& size : sizes) {
        const QImage drawn = w->windowIcon().pixmap(size).toImage();
        QCOMPARE(drawn.size(), size);
        const QColor band = drawn.pixelColor(0, size.height() - 1);
        QVERIFY2(std::abs(band.red() - 170) <= 2 && std::abs(band.green() - 240) <= 2
                     && std::abs(band.blue() - 240) <= 2,
                 qPrintable(band.name()));
    }
}

void TestPages::slotFrames()
{
    QFETCH(int, row);
    const SlotRow& r = kSlots[row];
    pages::PageWindow* w = page(str(r.page));

    auto* frame = w->findChild<pages::Frame*>(str(r.frame));
    QVERIFY2(frame, r.frame);
    QCOMPARE(frame->parentWidget(), w);
    QCOMPARE(frame->geometry(), QRect(px(120), px(r.top), px(6495), px(r.height)));
    QCOMPARE(frame->back(), kPurple);
    QCOMPARE(frame->fore(), r.caption);
    QCOMPARE(frame->title(), str(r.title));
    QCOMPARE(frame->focusPolicy(), Qt::NoFocus);

    // The caption stands at the right end of the top edge, and what is drawn
    // above the border line (the middle of the caption) is the caption.
    const QRect caption = frame->captionRect();
    QCOMPARE(caption.top(), 0);
    QVERIFY2(frame->width() - 1 - caption.right() <= 10, qPrintable(u"caption ends at %1"_s.arg(caption.right())));
    QVERIFY(caption.left() > frame->width() / 2);
    const QImage image = frame->grab().toImage();
    const QColor purple = pages::resolveColour(kPurple, frame->palette());
    int inkLeft = INT_MAX, inkRight = -1;
    for (int y = 0; y < caption.height() / 2; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inked(image.pixel(x, y), purple))
                inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
    QVERIFY(inkRight >= 0);
    QVERIFY2(inkLeft >= caption.left() - 2 && inkRight <= caption.right() + 2,
             qPrintable(u"ink %1..%2 outside the caption %3..%4"_s.arg(inkLeft).arg(inkRight).arg(caption.left()).arg(caption.right())));

    // The slot's answer check box sits in its frame, unticked, purple and yellow.
    const QString checkName = r.slot > 1 ? u"Check%1"_s.arg(r.slot) : qstrcmp(r.page, "Form19") == 0 ? u"CHECK1"_s : u"Check1"_s;
    auto* box = w->findChild<QCheckBox*>(checkName);
    QVERIFY2(box, qPrintable(checkName));
    QCOMPARE(box->parentWidget(), frame);
    QVERIFY(frame->rect().contains(box->geometry()));
    QCOMPARE(box->text(), u"الجواب"_s);
    QVERIFY(!box->isChecked());
    const QImage boxImage = box->grab().toImage();
    QCOMPARE(dominantColour(boxImage), QColor(128, 0, 128));
    bool yellow = false;
    for (int y = 0; y < boxImage.height() && !yellow; ++y)
        for (int x = 0; x < boxImage.width() && !yellow; ++x) {
            const QRgb p = boxImage.pixel(x, y);
            yellow = qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 80;
        }
    QVERIFY2(yellow, "the check box caption is not drawn in yellow");

    // The question label: the frame's only label, right-aligned, inside the
    // frame and clear of the check box (touching it by at most 1 px).
    const auto labels = frame->findChildren<pages::Label*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.size(), 1);
    pages::Label* label = labels.first();
    if (*r.label)
        QCOMPARE(label->objectName(), str(r.label));
    QCOMPARE(label->storedAlignment(), Align::Right);
    QVERIFY(label->alignment() & Qt::AlignRight);
    QCOMPARE(label->back(), kPurple);
    QCOMPARE(label->fore(), kYellow);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QVERIFY2(label->x() >= 0 && label->x() + label->width() <= frame->width(),
             qPrintable(u"label spans %1..%2"_s.arg(label->x()).arg(label->x() + label->width())));
    QVERIFY2(label->x() >= box->x() + box->width() - 1,
             qPrintable(u"label at %1 overlaps the check box ending at %2"_s.arg(label->x()).arg(box->x() + box->width())));
    if (qstrcmp(r.page, "Form2") == 0) {
        // Auto-size: one line, as wide as its text.
        QCOMPARE(label->height(), kLineHeight);
        const QList<QRectF> lines = label->lineRects();
        QCOMPARE(lines.size(), 1);
        QVERIFY(label->width() + 0.5 >= lines.first().width());
    }
}

void TestPages::bottomRow()
{
    QFETCH(int, row);
    const BottomRow& r = kBottomRows[row];
    pages::PageWindow* w = page(str(r.page));

    auto* next = w->findChild<QPushButton*>(u"Command2"_s);
    QVERIFY(next);
    QCOMPARE(next->parentWidget(), w);
    QCOMPARE(next->geometry(), QRect(px(120), px(5880), px(r.nextWidth), px(375)));
    QCOMPARE(next->text(), u"التالي"_s);

    auto* previous = w->findChild<QPushButton*>(u"Command1"_s);
    QVERIFY(previous);
    QCOMPARE(previous->parentWidget(), w);
    QCOMPARE(previous->geometry(), QRect(px(6615 - r.previousWidth), px(5880), px(r.previousWidth), px(375)));
    QCOMPARE(previous->x() + previous->width(), px(6615));
    QCOMPARE(previous->text(), str(r.previous));

    auto* label = w->findChild<pages::Label*>(str(r.label), Qt::FindDirectChildrenOnly);
    QVERIFY2(label, r.label);
    QCOMPARE(label->parentWidget(), w);
    QCOMPARE(label->pos(), QPoint(px(r.left), px(6000)));
    if (r.autoSize) {
        QCOMPARE(label->height(), kLineHeight);
        const QList<QRectF> lines = label->lineRects();
        QCOMPARE(lines.size(), 1);
        QVERIFY(label->width() + 0.5 >= lines.first().width());
    } else {
        QCOMPARE(label->size(), QSize(px(r.width), px(r.height)));
    }
    QCOMPARE(label->storedAlignment(), r.align);
    QCOMPARE(label->back(), r.back);
    QCOMPARE(label->fore(), r.fore);
    QCOMPARE(label->text(), str(r.caption));
}

void TestPages::sectionHeadings()
{
    QFETCH(int, row);
    const HeadingRow& r = kHeadings[row];
    auto* label = page(str(r.page))->findChild<pages::Label*>(u"Label1"_s, Qt::FindDirectChildrenOnly);
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(px(120), px(120), px(r.width), px(r.height)));
    QCOMPARE(label->back(), 0x00000000u);
    QCOMPARE(label->fore(), 0x80000018u);
    QCOMPARE(label->storedAlignment(), Align::Centre);
    QCOMPARE(label->text(), str(r.caption));
    QCOMPARE(label->font().families().value(0), u"PT Bold Broken"_s);
    QCOMPARE(label->font().pointSizeF(), r.points);
    QCOMPARE(int(label->font().weight()), 299);
}

void TestPages::menuAndInfoControls()
{
    QFETCH(int, row);
    const ControlRow& r = kControls[row];
    pages::PageWindow* w = page(str(r.page));
    QWidget* control = w->findChild<QWidget*>(str(r.name));
    QVERIFY2(control, r.name);
    QCOMPARE(control->parentWidget(), w);
    QCOMPARE(control->geometry(), QRect(px(r.left), px(r.top), px(r.width), px(r.height)));
    QCOMPARE(control->font().pointSizeF(), r.points);
    QCOMPARE(int(control->font().weight()), r.weight);
    if (r.kind == Kind::Button) {
        auto* button = qobject_cast<QPushButton*>(control);
        QVERIFY(button);
        QCOMPARE(button->text(), str(r.caption));
        return;
    }
    auto* label = qobject_cast<pages::Label*>(control);
    QVERIFY(label);
    if (r.caption)
        QCOMPARE(label->text(), str(r.caption));
    QCOMPARE(label->back(), r.back);
    QCOMPARE(label->fore(), r.fore);
    QCOMPARE(label->storedAlignment(), r.align);
    if (r.points != 8)  // every stored font of these pages is Arial
        QCOMPARE(label->font().families().value(0), u"Arial"_s);
}

void TestPages::focusOrder_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("order");
    QTest::newRow("Form1") << u"Form1"_s << u"Command1 Command2 w Command5 Command6 a"_s;
    QTest::newRow("Form2") << u"Form2"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7"_s;
    QTest::newRow("Form3") << u"Form3"_s << u"Command1 Command2 Check2 Check3 Check4 Check5 Check6 Check7 Check1"_s;
    QTest::newRow("Form4") << u"Form4"_s << u"Check1 Check2 Check3 Check4 Check5 Check6 Check7 Command1 Command2"_s;
    QTest::newRow("Form5") << u"Form5"_s << u"Check1 Check2 Check3 Check4 Check5 Check6 Check7 Command1 Command2"_s;
    QTest::newRow("Form6") << u"Form6"_s << u"Check1 Check2 Check3 Check4 Check5 Check6 Check7 Command1 Command2"_s;
    QTest::newRow("Form7") << u"Form7"_s << u"Check1 Check2 Check3 Check4 Check5 Check6 Command1 Command2"_s;
    QTest::newRow("Form8") << u"Form8"_s << u"Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8 Command1 Command2"_s;
    QTest::newRow("Form9") << u"Form9"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form10") << u"Form10"_s << u"Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8 Command1 Command2"_s;
    QTest::newRow("Form11") << u"Form11"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form12") << u"Form12"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form13") << u"Form13"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form14") << u"Form14"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form15") << u"Form15"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6"_s;
    QTest::newRow("Form16") << u"Form16"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form17") << u"Form17"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form18") << u"Form18"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form19") << u"Form19"_s << u"Command1 Command2 CHECK1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form20") << u"Form20"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form21") << u"Form21"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form22") << u"Form22"_s << u"Command1 Command2 Check1 Check2 Check3 Check4 Check5 Check6 Check7 Check8"_s;
    QTest::newRow("Form23") << u"Form23"_s << u"Command1 Command2"_s;
    QTest::newRow("Form24") << u"Form24"_s << u"Command1 Command2 Command3"_s;
    QTest::newRow("Form25") << u"Form25"_s << u"Command1 Command2 Command3"_s;
    QTest::newRow("Form26") << u"Form26"_s << u"Command1 Command2 Command3"_s;
}

void TestPages::focusOrder()
{
    QFETCH(QString, page);
    QFETCH(QString, order);
    pages::PageWindow* w = this->page(page);
    QStringList names;
    for (const QWidget* control : w->focusOrder())
        names << control->objectName();
    QCOMPARE(names, order.split(u' '));

    // Push buttons and check boxes take the focus; labels and frames never do.
    for (QWidget* child : w->findChildren<QWidget*>()) {
        const bool focusable = qobject_cast<QAbstractButton*>(child);
        QCOMPARE(w->focusOrder().contains(child), focusable);
        QCOMPARE(child->focusPolicy() == Qt::NoFocus, !focusable);
    }
}

void TestPages::tabKeyFollowsTheFocusOrder()
{
    QFETCH(QString, page);
    QFETCH(QString, order);
    const QStringList names = order.split(u' ');
    const qsizetype n = names.size();
    pages::PageWindow* w = this->page(page);
    auto hide = qScopeGuard([w] { w->hide(); });
    auto focused = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); };
    auto showAndActivate = [w] {
        w->show();
        // Activated at once, as a window manager would activate it. Qt 6.5
        // deprecates this for QWidget::activateWindow(), but on the offscreen
        // platform that activates without giving the page its focus back.
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(w);
        QT_WARNING_POP
        return QTest::qWaitForWindowActive(w);
    };

    QVERIFY(showAndActivate());
    QCOMPARE(focused(), names.first());  // first shown: the first of the order
    for (qsizetype i = 1; i <= n; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), names[i % n]);
    }
    for (qsizetype i = 1; i <= n; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), names[(n - i) % n]);
    }

    // Shown again, the page gives the focus back to the control that had it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    w->hide();
    QVERIFY(showAndActivate());
    QCOMPARE(focused(), names[1 % n]);
}

void TestPages::labelLinesFollowTheAlignment_data()
{
    QTest::addColumn<Align>("align");
    QTest::addColumn<QString>("text");
    const QString arabic = u"الأيام صحائف الأعمار والسعيد من يخلدها بأحسن الأعمال والله على ما نقول شهيد"_s;
    const QString latin = u"The quick brown fox jumps over the lazy dog and runs far away"_s;
    QTest::newRow("right, Arabic") << Align::Right << arabic;
    QTest::newRow("left, Arabic") << Align::Left << arabic;
    QTest::newRow("centre, Arabic") << Align::Centre << arabic;
    QTest::newRow("right, Latin") << Align::Right << latin;
    QTest::newRow("left, Latin") << Align::Left << latin;
}

// Each line stands left, right or centred in absolute terms, whatever the script.
void TestPages::labelLinesFollowTheAlignment()
{
    QFETCH(Align, align);
    QFETCH(QString, text);
    pages::Label label(0x00FFFFFFu, 0x00000000u, align, nullptr);
    label.setGeometry(0, 0, 160, 120);
    label.setText(text);
    const QList<QRectF> lines = label.lineRects();
    QVERIFY(lines.size() >= 2);
    for (const QRectF& line : lines) {
        switch (align) {
        case Align::Right: QVERIFY(std::abs(line.right() - label.width()) <= 1); break;
        case Align::Left: QVERIFY(std::abs(line.left()) <= 1); break;
        case Align::Centre: QVERIFY(std::abs(line.center().x() - label.width() / 2.0) <= 1); break;
        }
    }
    // The drawing follows the same lines: ink reaches the aligned edge.
    const QImage image = label.grab().toImage();
    int inkLeft = INT_MAX, inkRight = -1;
    for (int y = 0; y < int(lines.first().bottom()); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inked(image.pixel(x, y), Qt::white))
                inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
    if (align == Align::Right)
        QVERIFY2(inkRight >= label.width() - 4, qPrintable(QString::number(inkRight)));
    if (align == Align::Left)
        QVERIFY2(inkLeft <= 3, qPrintable(QString::number(inkLeft)));
}

// Labels are left-to-right paragraphs: the blank and full stop that end the
// question of Form21 slot 3 stand at the right end of its line, not the left.
void TestPages::finalFullStopStandsAtTheRightEnd()
{
    auto* frame = page(u"Form21"_s)->findChild<pages::Frame*>(u"Frame1(7)"_s);
    QVERIFY(frame);
    auto* label = frame->findChild<pages::Label*>(u"Label2(2)"_s);
    QVERIFY(label);
    QCOMPARE(label->text(), u"ما هي الدولة التي تسمى بلاد الحرية ؟ لأنها لم تستعمر ."_s);
    const QRectF line = label->lineRects().last();
    const QImage image = label->grab().toImage();
    const int lineHeight = QFontMetrics(label->font()).height();
    const QRect ink = rightmostInk(image, QColor(128, 0, 128), std::max(0, int(line.top())),
                                   std::min(image.height() - 1, int(std::ceil(line.bottom()))));
    QVERIFY(ink.isValid());
    QVERIFY2(ink.width() * 4 <= lineHeight && ink.height() * 4 <= lineHeight,
             qPrintable(u"the right-most glyph is %1 x %2 px: not the full stop"_s.arg(ink.width()).arg(ink.height())));
    QVERIFY2(ink.right() >= label->width() - 4, qPrintable(QString::number(ink.right())));
}

// Text that does not fit is cut at the bottom edge, also through the middle of
// a line; the label never grows.
void TestPages::textBeyondTheBoxIsCutOff()
{
    pages::Label label(0x00FFFFFFu, 0x00000000u, Align::Right, nullptr);
    const QSize box(150, kLineHeight + 7);
    label.setGeometry(QRect(QPoint(0, 0), box));
    label.setText(u"الأيام صحائف الأعمار والسعيد من يخلدها بأحسن الأعمال الأيام صحائف الأعمار والسعيد من يخلدها بأحسن الأعمال"_s);
    const QList<QRectF> lines = label.lineRects();
    QVERIFY(lines.size() >= 3);
    QVERIFY(lines[1].top() < box.height() && lines[1].bottom() > box.height());
    const QImage image = label.grab().toImage();
    QCOMPARE(label.size(), box);
    QCOMPARE(image.size(), box);
    bool secondLineShows = false;
    for (int y = int(std::ceil(lines[1].top())) + 1; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            secondLineShows = secondLineShows || inked(image.pixel(x, y), Qt::white);
    QVERIFY2(secondLineShows, "the part of the second line inside the box is not drawn");
}

// A system colour is looked up when the page is drawn; a plain one is fixed.
void TestPages::systemColoursFollowThePalette()
{
    const QPalette saved = QApplication::palette();
    auto restore = qScopeGuard([&saved] {
        QApplication::setPalette(saved);
        QCoreApplication::processEvents();
    });
    QPalette red = saved;
    red.setColor(QPalette::ButtonText, QColor(255, 0, 0));
    QApplication::setPalette(red);
    QCoreApplication::processEvents();  // widgets learn of the change through posted events

    pages::PageWindow* form4 = page(u"Form4"_s);
    pages::PageWindow* form2 = page(u"Form2"_s);
    QCOMPARE(QColor(form4->grab().toImage().pixel(2, 2)), QColor(255, 0, 0));
    QCOMPARE(QColor(form2->grab().toImage().pixel(2, 2)), QColor(0, 0, 0));
    // Page-number labels: Form4's back is button text, Form3's is black.
    QCOMPARE(dominantColour(form4->findChild<pages::Label*>(u"Label1"_s, Qt::FindDirectChildrenOnly)->grab().toImage()), QColor(255, 0, 0));
    QCOMPARE(dominantColour(page(u"Form3"_s)->findChild<pages::Label*>(u"Label2"_s, Qt::FindDirectChildrenOnly)->grab().toImage()), QColor(0, 0, 0));

    restore.dismiss();
    QApplication::setPalette(saved);
    QCoreApplication::processEvents();
    QCOMPARE(QColor(form4->grab().toImage().pixel(2, 2)), saved.color(QPalette::Inactive, QPalette::ButtonText));
}

void TestPages::plainColoursUnpack_data()
{
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("slot purple") << 0x00800080u << QColor(128, 0, 128);
    QTest::newRow("question yellow") << 0x0000FFFFu << QColor(255, 255, 0);
    QTest::newRow("banner text") << 0x00C0FFC0u << QColor(192, 255, 192);
    QTest::newRow("menu back") << 0x00808000u << QColor(0, 128, 128);
    QTest::newRow("title back") << 0x000000C0u << QColor(192, 0, 0);
    QTest::newRow("closing text") << 0x00FFFFC0u << QColor(192, 255, 255);
}

void TestPages::plainColoursUnpack()
{
    QFETCH(quint32, stored);
    QFETCH(QColor, colour);
    QCOMPARE(pages::resolveColour(stored, QApplication::palette()), colour);
}

void TestPages::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("pixels");  // exact; a half pixel may round either way
    QTest::addRow("6690 twips at 96 dpi") << 6690 << 96 << 446.0;
    QTest::addRow("6690 twips at 144 dpi") << 6690 << 144 << 669.0;
    QTest::addRow("6690 twips at 192 dpi") << 6690 << 192 << 892.0;
    QTest::addRow("6405 twips at 96 dpi") << 6405 << 96 << 427.0;
    QTest::addRow("6405 twips at 144 dpi") << 6405 << 144 << 640.5;
    QTest::addRow("6405 twips at 192 dpi") << 6405 << 192 << 854.0;
    QTest::addRow("6600 twips at 96 dpi") << 6600 << 96 << 440.0;
    QTest::addRow("6600 twips at 144 dpi") << 6600 << 144 << 660.0;
    QTest::addRow("6600 twips at 192 dpi") << 6600 << 192 << 880.0;
    QTest::addRow("15 twips at 96 dpi") << 15 << 96 << 1.0;
    QTest::addRow("15 twips at 144 dpi") << 15 << 144 << 1.5;
    QTest::addRow("15 twips at 192 dpi") << 15 << 192 << 2.0;
    QTest::addRow("120 twips at 96 dpi") << 120 << 96 << 8.0;
    QTest::addRow("120 twips at 144 dpi") << 120 << 144 << 12.0;
    QTest::addRow("120 twips at 192 dpi") << 120 << 192 << 16.0;
    QTest::addRow("6495 twips at 96 dpi") << 6495 << 96 << 433.0;
    QTest::addRow("6495 twips at 144 dpi") << 6495 << 144 << 649.5;
    QTest::addRow("6495 twips at 192 dpi") << 6495 << 192 << 866.0;
}

void TestPages::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(int, dpi);
    QFETCH(double, pixels);
    const int got = pages::twipsToPixels(twips, dpi);
    if (pixels == std::floor(pixels))
        QCOMPARE(got, int(pixels));
    else
        QVERIFY2(got == int(std::floor(pixels)) || got == int(std::ceil(pixels)), qPrintable(QString::number(got)));
}

// No caption marks an access key, and labels never read their text as markup.
void TestPages::captionsArePlainText()
{
    for (int number = 1; number <= shell::kPageCount; ++number) {
        pages::PageWindow* w = app_.lookUp(number);
        for (const QAbstractButton* button : w->findChildren<QAbstractButton*>())
            QVERIFY2(QKeySequence::mnemonic(button->text()).isEmpty(),
                     qPrintable(w->objectName() + u' ' + button->objectName()));
        for (const QLabel* label : w->findChildren<QLabel*>())
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(w->objectName() + u' ' + label->objectName()));
    }
}

// Every text of the pages has a place in code page 1256: window titles,
// captions, frame titles, and the answers and box titles of the quiz slots.
void TestPages::textsFitCodePage1256()
{
    QVERIFY2(QStringEncoder("windows-1256").isValid(), "Qt offers no converter for code page 1256");
    for (int number = 1; number <= shell::kPageCount; ++number) {
        pages::PageWindow* w = app_.lookUp(number);
        QStringList texts = textsOf(w);
        if (number >= 2 && number <= 22)
            for (const quiz::SlotText& slot : quiz::slotsOf(quiz::quizPage(number)))
                texts << pages::text(slot.answer) << pages::text(slot.boxTitle);
        for (const QString& text : std::as_const(texts))
            QVERIFY2(fitsCodePage1256(text), qPrintable(w->objectName() + u": "_s + text));
    }
}

void TestPages::textsAreDrawnInTheFacesNamed_data()
{
    support::addPageRows("number");
}

// Every character a page draws (captions, frame titles, buttons, and the
// answers its boxes show in the default font) comes from a face its font
// names, never from a face the font configuration would fall back to.
void TestPages::textsAreDrawnInTheFacesNamed()
{
    QFETCH(int, number);
    pages::PageWindow* w = app_.lookUp(number);
    QList<std::pair<QString, QFont>> drawn;
    for (const QWidget* child : w->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<const QLabel*>(child))
            drawn.append({label->text(), label->font()});
        else if (auto* frame = qobject_cast<const pages::Frame*>(child))
            drawn.append({frame->caption(), frame->font()});
        else if (auto* button = qobject_cast<const QAbstractButton*>(child))
            drawn.append({button->text(), button->font()});
    }
    if (number >= 2 && number <= 22)
        for (const quiz::SlotText& slot : quiz::slotsOf(quiz::quizPage(number)))
            drawn.append({pages::text(slot.answer), QApplication::font()});
    QVERIFY(!drawn.isEmpty());
    for (const auto& [text, font] : std::as_const(drawn)) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(100000);
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            QVERIFY2(font.families().contains(run.rawFont().familyName()),
                     qPrintable(run.rawFont().familyName() + u" for \""_s + text + u"\" in "_s
                                + font.families().join(u", ")));
    }
}

std::function<QWidget*()> changeCases_label()
{
    return [] {
        auto* label = new pages::Label(0x00404000u, 0x00C0FFC0u, Align::Centre, nullptr);
        label->setGeometry(0, 0, 180, 60);
        label->setText(u"بسم الله وعلى بركة الله"_s);
        return static_cast<QWidget*>(label);
    };
}

std::function<QWidget*()> changeCases_box()
{
    return [] {
        auto* box = new pages::CheckBox(u"إظهار الإجابة"_s, nullptr);
        box->setGeometry(0, 0, 140, 24);
        return static_cast<QWidget*>(box);
    };
}

// A label or frame lays its caption out once and keeps that layout; a change
// made after a paint is drawn exactly as a new widget draws it.
struct ChangeCase {
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> change;
};

const QList<ChangeCase>& changeCases()
{
    static const QList<ChangeCase> cases{
        {changeCases_label(),
         [](QWidget* w) { static_cast<QLabel*>(w)->setText(u"الله يوفقك في الدنيا والآخرة"_s); }},
        {changeCases_label(), [](QWidget* w) { w->setFont(pages::makeFont({.face = u"Arial", .size = 180000, .weight = 700})); }},
        {changeCases_label(), [](QWidget* w) { w->resize(120, 80); }},
        {changeCases_label(), [](QWidget* w) { static_cast<QLabel*>(w)->setAlignment(Qt::AlignAbsolute | Qt::AlignLeft); }},
        {[] {
             QWidget* label = changeCases_label()();
             label->resize(80, 60);  // two lines when wrapped
             return label;
         },
         [](QWidget* w) { static_cast<QLabel*>(w)->setWordWrap(false); }},
        {[] {
             auto* frame = new pages::Frame(0x00800080u, 0x0000FFFFu, true, nullptr);
             frame->setGeometry(0, 0, 200, 70);
             frame->setTitle(u"اللغز 1"_s);
             return frame;
         },
         [](QWidget* w) { static_cast<QGroupBox*>(w)->setTitle(u"اللغز 12"_s); }},
        {changeCases_box(),
         [](QWidget* w) { static_cast<QCheckBox*>(w)->setChecked(true); }},
        {changeCases_box(), [](QWidget* w) { static_cast<QCheckBox*>(w)->setText(u"الإجابة"_s); }},
    };
    return cases;
}

void TestPages::changesAfterAPaintAreDrawn_data()
{
    QTest::addColumn<int>("index");
    const char* names[] = {"label text",    "label font",       "label size",       "label alignment",
                           "label wrapping", "frame caption", "check box ticked", "check box caption"};
    for (int i = 0; i < int(std::size(names)); ++i)
        QTest::newRow(names[i]) << i;
}

void TestPages::changesAfterAPaintAreDrawn()
{
    QFETCH(int, index);
    const ChangeCase& c = changeCases().at(index);
    std::unique_ptr<QWidget> widget(c.make());
    const QImage before = widget->grab().toImage();
    QCOMPARE(widget->grab().toImage(), before);  // drawn again from the kept layout
    c.change(widget.get());
    const QImage after = widget->grab().toImage();
    std::unique_ptr<QWidget> fresh(c.make());
    c.change(fresh.get());
    QCOMPARE(after, fresh->grab().toImage());
    QVERIFY(after != before);
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
