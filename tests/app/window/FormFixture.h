#pragma once

#include "app/window/ButtonedEdit.h"
#include "app/window/Form1.h"
#include "app/window/IntegerBox.h"
#include "app/window/PlotvaneApplication.h"
#include "app/window/RadioGroup.h"
#include "chart/panel/Chart.h"
#include "chart/series/CustomSeries.h"
#include "tests/app/window/FakeDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// A main window on a settings file of its own in a temporary folder, with
// scripted dialogs, and the top-level error report caught into Reports.
class TFormFixture : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;
    TFakeDialogs* Dialogs = nullptr;
    QStringList Reports;

    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        TPlotvaneApplication::SetReporter([this](const QString& Text) { Reports.append(Text); });
        Open();
    }

    void TearDown() override
    {
        Form.reset();
        TPlotvaneApplication::SetReporter(nullptr);
    }

    QString SettingsPath() const { return Dir.filePath(QStringLiteral("plotvane.ini")); }

    // A new window on the same settings file (the old one goes unclosed).
    void Open()
    {
        Form.reset();
        Form = std::make_unique<TForm1>(SettingsPath());
        auto Fake = std::make_unique<TFakeDialogs>();
        Dialogs = Fake.get();
        Form->SetDialogs(std::move(Fake));
    }

    QString WriteFile(const QString& Name, const QByteArray& Bytes)
    {
        const QString Path = Dir.filePath(Name);
        QFile File(Path);
        EXPECT_TRUE(File.open(QIODevice::WriteOnly));
        File.write(Bytes);
        return Path;
    }

    // The paste button as the user presses it, the clipboard holding Text.
    void Paste(const QString& Text)
    {
        QGuiApplication::clipboard()->setText(Text);
        Form->PasteBtn->trigger();
    }
    void Paste(const char* Text) { Paste(QString::fromUtf8(Text)); }

    TChart& Chart() { return *Form->Chart1(); }
    TCustomSeries* Series(int Index) { return static_cast<TCustomSeries*>(Chart().GetSeries(Index)); }

    std::vector<std::pair<double, double>> PointsOf(int Index)
    {
        std::vector<std::pair<double, double>> Out;
        TCustomSeries* S = Series(Index);
        for (int i = 0; i < S->Count(); ++i)
            Out.emplace_back(S->GetxValue(i), S->GetyValue(i));
        return Out;
    }

    QStringList SelectorEntries() const
    {
        QStringList Out;
        for (int i = 0; i < Form->SeriesCombo->count(); ++i)
            Out.append(Form->SeriesCombo->itemText(i));
        return Out;
    }
};
