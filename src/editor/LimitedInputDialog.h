// A text input dialog that cuts its text to a length limit and says why.
#pragma once

#include <QInputDialog>

class QLineEdit;

/// Asks for a line of text of at most limit characters (a layer name, say). Text typed or
/// pasted beyond the limit is cut off, and the line edit's tool tip tells that the string
/// was too long until the text fits again.
class LimitedInputDialog : public QInputDialog
{
    Q_OBJECT

public:
    LimitedInputDialog(QWidget *parent, const QString &labelText, int limit, const QString &text);

    int limit() const { return m_limit; }
    QLineEdit *lineEdit() const { return m_lineEdit; }

private slots:
    void handleTextChanged(const QString &text);

private:
    int m_limit;
    QLineEdit *m_lineEdit = nullptr;
};
