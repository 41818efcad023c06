#include "chart/axes/ChartAxis.h"
#include "chart/axes/ChartAxisTitle.h"
#include "tests/app/window/FormFixture.h"

namespace {

using TPoints = std::vector<std::pair<double, double>>;

class Form1ScaleTab : public TFormFixture {
protected:
    std::vector<TButtonedEdit*> Boxes() const
    {
        return {Form->XMaxValue, Form->XMinValue, Form->XIncValue, Form->XmagValue,
                Form->YMaxValue, Form->YMinValue, Form->YIncValue, Form->YmagValue};
    }
    void Apply(TButtonedEdit* Box, const char* Text)
    {
        Box->setText(QString::fromUtf8(Text));
        Box->Button()->trigger();
    }
};

} // namespace

// AutoSize switches both axes and the eight boxes and rebuilds nothing.
TEST_F(Form1ScaleTab, AutoSizeSwitchesTheAxesAndTheBoxes)
{
    Paste("X,Y\n1000,0.001\n2000,0.002\n");
    const QString Status = Form->StatusText();
    const TPoints Points = PointsOf(0);

    Form->AutoSize->click();
    EXPECT_FALSE(Chart().LeftAxis()->Automatic());
    EXPECT_FALSE(Chart().BottomAxis()->Automatic());
    for (TButtonedEdit* Box : Boxes())
        EXPECT_TRUE(Box->isEnabled());

    Form->AutoSize->click();
    EXPECT_TRUE(Chart().LeftAxis()->Automatic());
    EXPECT_TRUE(Chart().BottomAxis()->Automatic());
    for (TButtonedEdit* Box : Boxes())
        EXPECT_FALSE(Box->isEnabled());
    EXPECT_EQ(Form->Import().xmag, 0.001);
    EXPECT_EQ(Form->Import().ymag, 1000);
    EXPECT_EQ(Form->StatusText(), Status);
    EXPECT_EQ(PointsOf(0), Points);

    // A disabled box applies nothing.
    Apply(Form->XmagValue, "5");
    EXPECT_EQ(PointsOf(0), Points);
}

TEST_F(Form1ScaleTab, EachRangeBoxSetsItsAxis)
{
    struct TCase {
        TButtonedEdit* TForm1::*Box;
        bool Left;
        double (TChartAxis::*Read)() const;
        const char* Text;
        double Value;
    };
    const TCase Cases[] = {
        {&TForm1::XMaxValue, false, &TChartAxis::Maximum, "250", 250},
        {&TForm1::XMinValue, false, &TChartAxis::Minimum, "-3", -3},
        {&TForm1::XIncValue, false, &TChartAxis::Increment, "5", 5},
        {&TForm1::YMaxValue, true, &TChartAxis::Maximum, "1e6", 1e6},
        {&TForm1::YMinValue, true, &TChartAxis::Minimum, "-0.5", -0.5},
        {&TForm1::YIncValue, true, &TChartAxis::Increment, " 0.25 ", 0.25},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Text);
        Open();
        Form->AutoSize->click();
        TChartAxis* Axis = Case.Left ? Chart().LeftAxis() : Chart().BottomAxis();
        TChartAxis* Other = Case.Left ? Chart().BottomAxis() : Chart().LeftAxis();
        const double OtherBefore = (Other->*Case.Read)();
        Apply((*Form).*Case.Box, Case.Text);
        EXPECT_EQ((Axis->*Case.Read)(), Case.Value);
        EXPECT_EQ((Other->*Case.Read)(), OtherBefore);
        Apply((*Form).*Case.Box, "abc");
        EXPECT_EQ((Axis->*Case.Read)(), Case.Value);
        EXPECT_TRUE(Reports.isEmpty());
    }
}

TEST_F(Form1ScaleTab, ARefusedRangeIsReportedAndChangesNothing)
{
    Paste("1,5\n100,6\n");
    Form->AutoSize->click();
    Apply(Form->XMaxValue, "50");
    Apply(Form->XMinValue, "10");
    EXPECT_EQ(Chart().BottomAxis()->Minimum(), 10);
    EXPECT_EQ(Chart().BottomAxis()->Maximum(), 50);
    EXPECT_TRUE(Reports.isEmpty());

    Apply(Form->XMinValue, "60");
    EXPECT_EQ(Reports.size(), 1);
    EXPECT_EQ(Chart().BottomAxis()->Minimum(), 10);
    EXPECT_EQ(Chart().BottomAxis()->Maximum(), 50);
    Apply(Form->XMaxValue, "5");
    EXPECT_EQ(Reports.size(), 2);
    EXPECT_EQ(Chart().BottomAxis()->Maximum(), 50);
    Apply(Form->YIncValue, "-1");
    EXPECT_EQ(Reports.size(), 3);
    EXPECT_FALSE(Form->AutoSize->isChecked());
}

// A manual magnification rebuilds from the loaded lines: the axes go back to
// automatic while the boxes stay as the user left them.
TEST_F(Form1ScaleTab, AManualMagnificationRebuildsTheSeries)
{
    Form->AutoSize->click();
    Paste("X,A,B\n1,2,3\n3,4,5\n");
    Apply(Form->XMaxValue, "50");
    Form->SeriesCombo->setCurrentIndex(1);
    const QString Status = Form->StatusText();

    Apply(Form->XmagValue, "1000");
    EXPECT_EQ(PointsOf(0), (TPoints{{1000, 2}, {3000, 4}}));
    EXPECT_EQ(PointsOf(1), (TPoints{{1000, 3}, {3000, 5}}));
    EXPECT_TRUE(Chart().BottomAxis()->Automatic());
    EXPECT_TRUE(Chart().LeftAxis()->Automatic());
    EXPECT_FALSE(Form->AutoSize->isChecked());
    for (TButtonedEdit* Box : Boxes())
        EXPECT_TRUE(Box->isEnabled());
    EXPECT_EQ(Form->XMaxValue->text(), QStringLiteral("50"));
    EXPECT_EQ(SelectorEntries(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(Form->SelectedSeries(), 0);
    EXPECT_EQ(Form->StatusText(), Status);

    Apply(Form->YmagValue, "0.5");
    EXPECT_EQ(PointsOf(0), (TPoints{{1000, 1}, {3000, 2}}));
    Apply(Form->YmagValue, "abc");
    EXPECT_EQ(PointsOf(0), (TPoints{{1000, 1}, {3000, 2}}));
    EXPECT_TRUE(Reports.isEmpty());
    EXPECT_EQ(Dialogs->ImportErrors, 0);

    // A load starts again from magnification 1; the boxes keep their text.
    Paste("1,7\n");
    EXPECT_EQ(PointsOf(0), (TPoints{{1, 7}}));
    EXPECT_EQ(Form->XmagValue->text(), QStringLiteral("1000"));
}

// "倍率を軸名に表示": unchecked at first; checked, each axis title shows its
// prefix in brackets, through loads and typed titles, and the chart repaints.
TEST_F(Form1ScaleTab, PrefixInTitlesCheckBox)
{
    QCheckBox* Box = Form->PrefixInTitlesCheck;
    ASSERT_NE(Box, nullptr);
    EXPECT_EQ(Box->text(), QStringLiteral("倍率を軸名に表示"));
    EXPECT_FALSE(Box->isChecked());
    EXPECT_EQ(Form->DesignedGeometry(Box), QRect(32, 392, 145, 17));

    Paste("Frequency (Hz),V\n1000000,0.25\n2000000,0.75\n");
    TChartAxisTitle* X = Chart().BottomAxis()->Title();
    TChartAxisTitle* Y = Chart().LeftAxis()->Title();
    EXPECT_EQ(X->Caption(), QStringLiteral("Frequency (Hz)"));

    const int Before = Chart().InvalidateCount();
    Box->click();
    EXPECT_EQ(X->Caption(), QStringLiteral("Frequency (Hz) [M]"));
    EXPECT_EQ(Y->Caption(), QStringLiteral("[m]"));
    EXPECT_GT(Chart().InvalidateCount(), Before);

    Form->YAxisEdit->setText(QStringLiteral("Level"));
    Form->YAxisEdit->Button()->trigger();
    EXPECT_EQ(Y->Caption(), QStringLiteral("Level [m]"));
    Paste("Time (s),V\n0.001,2000\n0.002,3000\n");
    EXPECT_EQ(X->Caption(), QStringLiteral("Time (s) [m]"));
    EXPECT_EQ(Y->Caption(), QStringLiteral("Level [K]"));

    Box->click();
    EXPECT_EQ(X->Caption(), QStringLiteral("Time (s)"));
    EXPECT_EQ(Y->Caption(), QStringLiteral("Level"));
    EXPECT_TRUE(Reports.isEmpty());
}
