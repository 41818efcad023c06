#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "chart/canvas/ChartFont.h"
#include "chart/panel/BackImage.h"
#include "chart/panel/ChartBackWall.h"
#include "chart/panel/ChartLegend.h"
#include "chart/panel/ChartTitle.h"
#include "tests/app/window/FormFixture.h"

#include <QImage>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <tuple>

namespace {

using TFontState = std::tuple<QString, int, TColor, int>;

TFontState FontOf(const TChartFont* Font) { return {Font->Name(), Font->Size(), Font->Color(), Font->Style()}; }

class Form1ChartTab : public TFormFixture {
protected:
    QByteArray Saved(const QString& Name)
    {
        QFile File(Dir.filePath(Name));
        return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
    }
};

} // namespace

// Each control of the chart and legend tabs, used as the user does, sets its
// property of the chart from the control's value or the dialog's answer.
TEST_F(Form1ChartTab, EachControlSetsItsProperty)
{
    const ChartCommands::TFontChoice Font{QStringLiteral("Serif"), 17, RGBColor(9, 8, 7), fsBold | fsItalic};
    const TFontState FontState{Font.Name, Font.Size, Font.Color, Font.Style};
    const QString Picture = Dir.filePath(QStringLiteral("wall.png"));
    QImage Green(4, 4, QImage::Format_RGB32);
    Green.fill(Qt::green);
    ASSERT_TRUE(Green.save(Picture));

    struct TCase {
        const char* Name;
        std::function<void(TForm1&, TFakeDialogs&)> Use;
        std::function<void(TChart&)> Check;
    };
    const TCase Cases[] = {
        {"title text",
         [](TForm1& F, TFakeDialogs&) {
             F.TitleEditBtn->setText(QStringLiteral("Run 2"));
             F.TitleEditBtn->Button()->trigger();
         },
         [](TChart& C) { EXPECT_EQ(C.Title()->Text(), QStringList{QStringLiteral("Run 2")}); }},
        {"title font",
         [&](TForm1& F, TFakeDialogs& D) {
             D.FontAnswer = Font;
             F.TitleFontBtn->click();
             // The dialog shows the title's colour.
             EXPECT_EQ(D.FontPreset, clBlack);
         },
         [&](TChart& C) { EXPECT_EQ(FontOf(C.Title()->Font()), FontState); }},
        {"title left", [](TForm1& F, TFakeDialogs&) { F.ChartTitleAlignment->Item(0)->click(); },
         [](TChart& C) { EXPECT_EQ(C.Title()->Alignment(), taLeftJustify); }},
        {"title right", [](TForm1& F, TFakeDialogs&) { F.ChartTitleAlignment->Item(2)->click(); },
         [](TChart& C) { EXPECT_EQ(C.Title()->Alignment(), taRightJustify); }},
        {"x title",
         [](TForm1& F, TFakeDialogs&) {
             F.XAxisEdit->setText(QStringLiteral("t [s]"));
             F.XAxisEdit->Button()->trigger();
         },
         [](TChart& C) {
             EXPECT_EQ(C.BottomAxis()->Title()->Caption(), QStringLiteral("t [s]"));
             EXPECT_TRUE(C.LeftAxis()->Title()->Caption().isEmpty());
         }},
        {"y title",
         [](TForm1& F, TFakeDialogs&) {
             F.YAxisEdit->setText(QStringLiteral("U [V]"));
             F.YAxisEdit->Button()->trigger();
         },
         [](TChart& C) { EXPECT_EQ(C.LeftAxis()->Title()->Caption(), QStringLiteral("U [V]")); }},
        {"axis font",
         [&](TForm1& F, TFakeDialogs& D) {
             const TColor Shown = F.Chart1()->LeftAxis()->Title()->Font()->Color();
             D.FontAnswer = Font;
             F.AxisFont->click();
             EXPECT_EQ(D.FontPreset, Shown);
         },
         [&](TChart& C) {
             EXPECT_EQ(FontOf(C.LeftAxis()->Title()->Font()), FontState);
             EXPECT_EQ(FontOf(C.BottomAxis()->Title()->Font()), FontState);
             EXPECT_NE(FontOf(C.LeftAxis()->LabelsFont()), FontState);
         }},
        {"panel colour",
         [](TForm1& F, TFakeDialogs& D) {
             D.ColorAnswer = RGBColor(10, 20, 30);
             F.ChartColor->click();
         },
         [](TChart& C) { EXPECT_EQ(C.Color(), RGBColor(10, 20, 30)); }},
        {"wall picture then colour",
         [&](TForm1& F, TFakeDialogs& D) {
             D.PictureAnswer = Picture;
             F.WallPictureBtn->click();
             EXPECT_TRUE(F.Chart1()->BackWall()->Picture()->Valid());
             EXPECT_TRUE(F.Chart1()->BackWall()->Transparent());
             D.ColorAnswer = clRed;
             F.WallColor->click();
         },
         [](TChart& C) {
             EXPECT_EQ(C.BackWall()->Color(), clRed);
             EXPECT_FALSE(C.BackWall()->Transparent());
             EXPECT_FALSE(C.BackWall()->Picture()->Valid());
         }},
        {"shadow", [](TForm1& F, TFakeDialogs&) { F.ChartShadow->click(); },
         [](TChart& C) { EXPECT_TRUE(C.Shadow()->Visible()); }},
        {"border", [](TForm1& F, TFakeDialogs&) { F.BorderCheck->click(); },
         [](TChart& C) { EXPECT_TRUE(C.Border()->Visible()); }},
        {"legend top", [](TForm1& F, TFakeDialogs&) { F.LegendPosition->Item(2)->click(); },
         [](TChart& C) { EXPECT_EQ(C.Legend()->Alignment(), laTop); }},
        {"legend left", [](TForm1& F, TFakeDialogs&) { F.LegendPosition->Item(0)->click(); },
         [](TChart& C) { EXPECT_EQ(C.Legend()->Alignment(), laLeft); }},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Open();
        Case.Use(*Form, *Dialogs);
        Case.Check(Chart());
        EXPECT_TRUE(Reports.isEmpty());
    }
}

TEST_F(Form1ChartTab, CancelledDialogsChangeNothing)
{
    const TFontState Title = FontOf(Chart().Title()->Font());
    const TFontState Axis = FontOf(Chart().LeftAxis()->Title()->Font());
    const TColor Panel = Chart().Color();
    const TColor Wall = Chart().BackWall()->Color();
    const bool Transparent = Chart().BackWall()->Transparent();
    for (QPushButton* Button : {Form->TitleFontBtn, Form->AxisFont, Form->ChartColor, Form->WallColor,
                                Form->WallPictureBtn})
        Button->click();
    EXPECT_EQ(Dialogs->Calls, (QStringList{QStringLiteral("font"), QStringLiteral("font"), QStringLiteral("color"),
                                           QStringLiteral("color"), QStringLiteral("picture")}));
    EXPECT_EQ(FontOf(Chart().Title()->Font()), Title);
    EXPECT_EQ(FontOf(Chart().LeftAxis()->Title()->Font()), Axis);
    EXPECT_EQ(Chart().Color(), Panel);
    EXPECT_EQ(Chart().BackWall()->Color(), Wall);
    EXPECT_EQ(Chart().BackWall()->Transparent(), Transparent);
    EXPECT_FALSE(Chart().BackWall()->Picture()->Valid());
    EXPECT_TRUE(Reports.isEmpty());
    // The picture dialog offers the sixteen file types, all of them first.
    EXPECT_EQ(Dialogs->PictureFilter.split(QStringLiteral(";;")).size(), 16);
    EXPECT_TRUE(Dialogs->PictureFilter.startsWith(QStringLiteral("すべて (*.svg *.wbmp *.webp")));
}

TEST_F(Form1ChartTab, AnUnreadablePictureLeavesAColouredWallOpaque)
{
    Dialogs->ColorAnswer = clRed;
    Form->WallColor->click();
    Dialogs->PictureAnswer = Dir.filePath(QStringLiteral("missing.png"));
    Form->WallPictureBtn->click();
    EXPECT_EQ(Reports.size(), 1);
    EXPECT_FALSE(Chart().BackWall()->Transparent());
    EXPECT_EQ(Chart().BackWall()->Color(), clRed);
    EXPECT_FALSE(Chart().BackWall()->Picture()->Valid());
}

TEST_F(Form1ChartTab, CopiesPutOnePictureOnTheClipboard)
{
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    Paste("X,A\n1,2\n2,3\n");

    Form->CopyBmpBtn->trigger();
    const QMimeData* Bitmap = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(Bitmap, nullptr);
    EXPECT_TRUE(Bitmap->hasFormat(QStringLiteral("image/png")));
    EXPECT_TRUE(Bitmap->hasImage());
    EXPECT_TRUE(Bitmap->data(QStringLiteral("image/png")).startsWith("\x89PNG"));

    Form->CopyEMFBtn->trigger();
    const QMimeData* Metafile = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(Metafile, nullptr);
    EXPECT_TRUE(Metafile->hasFormat(QStringLiteral("image/svg+xml")));
    const QByteArray Emf = Metafile->data(QStringLiteral("image/x-emf"));
    ASSERT_GE(Emf.size(), 44);
    EXPECT_EQ(Emf.left(4), QByteArray("\x01\x00\x00\x00", 4));
    EXPECT_EQ(Emf.mid(40, 4), QByteArray(" EMF"));
    EXPECT_FALSE(Metafile->hasFormat(QStringLiteral("image/png")));
    EXPECT_TRUE(Reports.isEmpty());
}

// A typed extension the program writes chooses the format; a name without
// one gets the button's; any other extension is written in the button's
// format under the name as typed.
TEST_F(Form1ChartTab, SavesWriteTheFormatTheNameOrTheButtonAsksFor)
{
    struct TCase {
        QAction* Button;
        const char* Typed;
        const char* Written;
        QByteArray Start;
        int Offset;
    };
    const TCase Cases[] = {
        {Form->SaveBmpBtn, "chart", "chart.bmp", "BM", 0},
        {Form->SaveBmpBtn, "shot.png", "shot.png", "\x89PNG", 0},
        {Form->SaveBmpBtn, "notes.txt", "notes.txt", "BM", 0},
        {Form->SaveBmpBtn, "upper.BMP", "upper.BMP", "BM", 0},
        {Form->SaveEMFBtn, "meta", "meta.emf", " EMF", 40},
        {Form->SaveEMFBtn, "vector.svg", "vector.svg", "<?xml", 0},
        {Form->SaveEMFBtn, "paper.pdf", "paper.pdf", "%PDF", 0},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Typed);
        Dialogs->SaveAnswer = Dir.filePath(QString::fromLatin1(Case.Typed));
        Case.Button->trigger();
        EXPECT_EQ(Dialogs->SaveFormat, Case.Button == Form->SaveBmpBtn ? efBmp : efEmf);
        EXPECT_EQ(Saved(QString::fromLatin1(Case.Written)).mid(Case.Offset, Case.Start.size()), Case.Start);
    }
    EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("notes.txt.bmp"))));
    EXPECT_TRUE(Reports.isEmpty());

    // Cancelled: nothing written. A folder that is not there: reported.
    const QStringList Before = QDir(Dir.path()).entryList(QDir::Files);
    Dialogs->SaveAnswer.clear();
    Form->SaveBmpBtn->trigger();
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), Before);
    Dialogs->SaveAnswer = Dir.filePath(QStringLiteral("no/such/folder/chart.bmp"));
    Form->SaveBmpBtn->trigger();
    EXPECT_EQ(Reports.size(), 1);
}
