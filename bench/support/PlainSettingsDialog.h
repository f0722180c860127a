#pragma once

#include "WidgetCensus.h"

#include <QDialog>
#include <QList>

// The floor that the settings dialog is measured against: what plain Qt needs to show the
// same controls. A QDialog with a QTabWidget of one QFormLayout page per census, each page
// holding as many check boxes, spin boxes, combo boxes, line edits and labels as its census
// counts, with no style sheet of its own. Each form sits in a scroll area, as a page of a
// hundred rows must in a dialog of a usable size.
class PlainSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PlainSettingsDialog(const QList<WidgetCensus>& pPages, QWidget* pParent = nullptr);

private:
    QWidget* createPage(const WidgetCensus& pCensus, int pPage);
};
