#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace Quillwright {

// frmSplash: shown while the main window loads; a click on it, its frame
// or its logo closes it at once.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    void Form_Load();
    QLabel* label(const char* name) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QFrame* m_frame;
    QLabel* m_logo;
};

} // namespace Quillwright
