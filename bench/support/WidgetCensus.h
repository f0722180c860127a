#pragma once

#include <QString>

class QWidget;

// What a widget tree holds, counted by the kinds of control that a settings form is made of.
// A line edit inside a spin box or a combo box belongs to that control and is not counted
// as a line edit; everything that is none of the five kinds is counted apart.
struct WidgetCensus
{
    int mCheckBoxes = 0;
    int mSpinBoxes = 0;
    int mComboBoxes = 0;
    int mLineEdits = 0;
    int mLabels = 0;
    int mPushButtons = 0;
    int mRadioButtons = 0;
    int mOthers = 0;
    // Every widget below the root, whatever its kind, internal parts included.
    int mWidgets = 0;

    static WidgetCensus Take(const QWidget* pRoot);

    int controls() const { return mCheckBoxes + mSpinBoxes + mComboBoxes + mLineEdits; }
    WidgetCensus& operator+=(const WidgetCensus& pOther);
    // "37 check boxes, 40 spin boxes, ..."
    QString describe() const;
    QString describeOthers() const;
};
