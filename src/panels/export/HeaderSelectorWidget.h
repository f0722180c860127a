#pragma once

#include "zelExport.h"

#include <QList>
#include <QListWidgetItem>
#include <QStringList>
#include <QWidget>

class QListWidget;

namespace Ui {
class HeaderSelectorWidget;
}

namespace zel {

class kmDMIApplication;

// Two lists side by side: the attribute names that the loaded model offers, and those that
// become the columns of the bill of materials, in column order.
class ZEL_EXPORT HeaderSelectorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit HeaderSelectorWidget(QWidget* pParent = nullptr, Qt::WindowFlags pFlags = {});
    ~HeaderSelectorWidget() override;

    void setApplication(kmDMIApplication* pApplication);

    QStringList getHeaders() const;
    void setHeaders(const QStringList& pNames);
    void clearHeaders();
    void addAllHeaders();

Q_SIGNALS:
    void headersChanged();

protected Q_SLOTS:
    void addItems(QList<QListWidgetItem*> pItems);
    void removeItems(QList<QListWidgetItem*> pItems);

    void on_mPushButtonMvSrcToDest_pressed();
    void on_mPushButtonMvDestToSrc_pressed();
    void on_mPushButtonAddAll_pressed();
    void on_mPushButtonClearAll_pressed();
    void on_mPushButtonUp_pressed();
    void on_mPushButtonDown_pressed();
    void on_mListWidgetColumnSrc_itemDoubleClicked(QListWidgetItem* pItem);
    void on_mListWidgetColumnDest_itemDoubleClicked(QListWidgetItem* pItem);

protected:
    void changeEvent(QEvent* pEvent) override;
    void moveHeadersUp();
    void moveHeadersDown();

private:
    QStringList knownNames() const;
    void moveItems(const QList<QListWidgetItem*>& pItems, QListWidget* pSource,
                   QListWidget* pTarget);
    void moveSelectedHeaders(int pOffset);

    Ui::HeaderSelectorWidget* mUi;
    kmDMIApplication* mApplication = nullptr;
};

} // namespace zel
