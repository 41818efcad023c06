#include "app/window/FormTab.h"

#include "app/window/ControlScaler.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#ifndef PLOTVANE_VERSION
#define PLOTVANE_VERSION "2.0"
#endif

namespace {

// The help text carried in the program's resources.
QString HelpText()
{
    QFile File(QStringLiteral(":/help/Memo2.txt"));
    if (!File.open(QIODevice::ReadOnly))
        return QString();
    QString Text = QString::fromUtf8(File.readAll());
    if (Text.endsWith(u'\n'))
        Text.chop(1);
    return Text;
}

} // namespace

TFormTab::TFormTab(TControlScaler& Scaler, QWidget* Parent) : QWidget(Parent)
{
    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(TControlScaler::Panel1Height);
    StyleSelecter = Scaler.Place(new QComboBox(Panel1), 16, 16, 113, 21);
    StyleSelecter->setEditable(true);
    StyleSelecter->setInsertPolicy(QComboBox::NoInsert);
    Label2 = Scaler.Place(new QLabel(QStringLiteral("拡大縮小"), Panel1), 16, 48, 97, 13);
    ScaleComboBox = Scaler.Place(new QComboBox(Panel1), 16, 67, 113, 21);
    ScaleComboBox->setEditable(true);
    ScaleComboBox->setInsertPolicy(QComboBox::NoInsert);
    for (int Percent : TControlScaler::ScalePercents)
        ScaleComboBox->addItem(QString::number(Percent) + u'%');
    ScaleComboBox->setCurrentIndex(0);
    Label1 =
        Scaler.Place(new QLabel(QStringLiteral("Ver ") + QStringLiteral(PLOTVANE_VERSION), Panel1), 56, 94, 97, 13);

    Memo2 = new QPlainTextEdit(this);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setPlainText(HelpText());
    auto* Column = new QVBoxLayout(this);
    Column->setContentsMargins(0, 0, 0, 0);
    Column->setSpacing(0);
    Column->addWidget(Panel1);
    Column->addWidget(Memo2, 1);
}
