#include "app/window/ScaleTab.h"

#include "app/window/ButtonedEdit.h"
#include "app/window/ControlScaler.h"

#include <QCheckBox>

TScaleTab::TScaleTab(TControlScaler& Scaler, QWidget* Parent) : QWidget(Parent)
{
    AutoSize = Scaler.Place(new QCheckBox(QStringLiteral("AutoSize"), this), 32, 19, 97, 17);
    AutoSize->setChecked(true);

    // The boxes are for manual ranges: off while AutoSize is checked.
    auto Box = [this, &Scaler](int Top, const char* Placeholder) {
        auto* Edit = Scaler.Place(new TButtonedEdit(this), 27, Top, 121, 21);
        Edit->setPlaceholderText(QString::fromUtf8(Placeholder));
        Edit->setEnabled(false);
        return Edit;
    };
    XMaxValue = Box(56, "X軸\u3000最大値");
    XMinValue = Box(96, "X軸\u3000最小値");
    XIncValue = Box(136, "X軸\u3000刻み幅");
    XmagValue = Box(176, "X軸倍率");
    YMaxValue = Box(230, "Y軸\u3000最大値");
    YMinValue = Box(272, "Y軸\u3000最小値");
    YIncValue = Box(312, "Y軸\u3000刻み幅");
    YmagValue = Box(352, "Y軸倍率");
    PrefixInTitlesCheck =
        Scaler.Place(new QCheckBox(QStringLiteral("倍率を軸名に表示"), this), 32, 392, 145, 17);
}
