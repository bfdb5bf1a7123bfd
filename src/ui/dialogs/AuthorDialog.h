#pragma once

#include "core/script/AuthorDetails.h"

#include <QDialog>
#include <QPointer>

class QLineEdit;

namespace Quillwright {

// author_dialog: the author line in its four parts. It reads the author
// field it is given when it opens and writes the joined line back on OK,
// when one of the parts was changed: a line not in the exact form stays.
class AuthorDialog : public QDialog {
    Q_OBJECT
public:
    explicit AuthorDialog(QLineEdit* authorField, QWidget* parent = nullptr);

    QLineEdit* author_name() const { return m_name; }
    QLineEdit* author_email() const { return m_email; }
    QLineEdit* author_phpbb() const { return m_phpbb; }
    QLineEdit* author_url() const { return m_url; }

    // OKButton_Click: the documented name of the OK button's handler.
    void OKButton_Click();
    void CancelButton_Click();

private:
    QPointer<QLineEdit> m_target;
    QLineEdit* m_name;
    QLineEdit* m_email;
    QLineEdit* m_phpbb;
    QLineEdit* m_url;
    AuthorParts m_opened; // the parts as the dialog opened with them
};

} // namespace Quillwright
