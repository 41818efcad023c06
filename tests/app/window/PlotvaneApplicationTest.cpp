#include "app/window/PlotvaneApplication.h"

#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

TEST(PlotvaneApplication, AFailureInAHandlerIsReportedAndTheProgramGoesOn)
{
    QStringList shown;
    TPlotvaneApplication::SetReporter([&](const QString& text) { shown.append(text); });
    QWidget w;
    bool ran = false;
    QTimer::singleShot(0, &w, [] { throw std::runtime_error("Axis minimum above maximum"); });
    QTimer::singleShot(0, &w, [&] { ran = true; });
    for (int i = 0; i < 5 && !ran; ++i)
        QCoreApplication::processEvents();
    TPlotvaneApplication::SetReporter(nullptr);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], QStringLiteral("Axis minimum above maximum."));
    EXPECT_TRUE(ran);
    EXPECT_EQ(TPlotvaneApplication::ReportText(QStringLiteral("done.")), QStringLiteral("done."));
}
