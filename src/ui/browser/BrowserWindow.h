#pragma once

#include "core/frame/AddressHistory.h"

#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QToolBar;

namespace Quillwright {

class WebView;

// frmBrowser: a small web browser in a child window of the main window.
class BrowserWindow : public QWidget {
    Q_OBJECT
public:
    explicit BrowserWindow(QWidget* parent = nullptr);

    QString StartingAddress;
    bool SuppressNavigate = false;

    void Form_Load();
    void Form_Resize();
    void cboAddress_Click();
    void tbToolBar_ButtonClick(const QString& key);
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();
    void brwWebBrowser_NavigateComplete();

    QComboBox* cboAddress() const { return m_address; }
    QTimer& timTimer() { return m_timer; }
    // The page view, or a note saying why there is none.
    QWidget* brwWebBrowser() const { return m_page; }
    QToolBar* toolBar() const { return m_toolBar; }
    // Whether this build has a browser component at all.
    static bool available();
    QSize sizeHint() const override { return {720, 540}; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void navigate(const QString& address);
    QString pageTitle() const;
    bool busy() const { return m_busy; }

    QToolBar* m_toolBar;
    QWidget* m_picAddress;
    QLabel* m_label;
    QComboBox* m_address;
    WebView* m_view = nullptr; // owned by its widget, a child of the window
    QWidget* m_page = nullptr;
    AddressHistory m_history;
    QTimer m_timer;
    bool m_busy = false;
};

} // namespace Quillwright
