#pragma once

#include "kmHostExport.h"

#include <QComboBox>

namespace km {

class KM_HOST_EXPORT kmComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit kmComboBox(QWidget* pParent = nullptr);

    void clearCombo();
};

} // namespace km
