#include "WidgetCensus.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

bool InsideCompositeControl(const QWidget* pWidget, const QWidget* pRoot)
{
    for (const QWidget* parent = pWidget->parentWidget(); parent && parent != pRoot;
         parent = parent->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(parent)
            || qobject_cast<const QComboBox*>(parent))
            return true;
    }
    return false;
}

} // namespace

WidgetCensus WidgetCensus::Take(const QWidget* pRoot)
{
    WidgetCensus census;
    const QList<QWidget*> widgets = pRoot->findChildren<QWidget*>();
    census.mWidgets = widgets.size();
    for (const QWidget* widget : widgets) {
        if (InsideCompositeControl(widget, pRoot))
            ++census.mOthers;
        else if (qobject_cast<const QCheckBox*>(widget))
            ++census.mCheckBoxes;
        else if (qobject_cast<const QAbstractSpinBox*>(widget))
            ++census.mSpinBoxes;
        else if (qobject_cast<const QComboBox*>(widget))
            ++census.mComboBoxes;
        else if (qobject_cast<const QLineEdit*>(widget))
            ++census.mLineEdits;
        else if (qobject_cast<const QLabel*>(widget))
            ++census.mLabels;
        else if (qobject_cast<const QPushButton*>(widget))
            ++census.mPushButtons;
        else if (qobject_cast<const QRadioButton*>(widget))
            ++census.mRadioButtons;
        else
            ++census.mOthers;
    }
    return census;
}

WidgetCensus& WidgetCensus::operator+=(const WidgetCensus& pOther)
{
    mCheckBoxes += pOther.mCheckBoxes;
    mSpinBoxes += pOther.mSpinBoxes;
    mComboBoxes += pOther.mComboBoxes;
    mLineEdits += pOther.mLineEdits;
    mLabels += pOther.mLabels;
    mPushButtons += pOther.mPushButtons;
    mRadioButtons += pOther.mRadioButtons;
    mOthers += pOther.mOthers;
    mWidgets += pOther.mWidgets;
    return *this;
}

QString WidgetCensus::describe() const
{
    return QStringLiteral("%1 check boxes, %2 spin boxes, %3 combo boxes, %4 line edits, "
                          "%5 labels")
        .arg(mCheckBoxes)
        .arg(mSpinBoxes)
        .arg(mComboBoxes)
        .arg(mLineEdits)
        .arg(mLabels);
}

QString WidgetCensus::describeOthers() const
{
    return QStringLiteral("%1 push buttons, %2 radio buttons, %3 others")
        .arg(mPushButtons)
        .arg(mRadioButtons)
        .arg(mOthers);
}
