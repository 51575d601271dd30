#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The small maintenance window for line files (the name lists and the
// like): merges two files into a third and counts the lines of a file. Its
// texts are fixed; neither language nor design changes them.
class Admin : public QWidget {
    Q_OBJECT
public:
    explicit Admin(QWidget* parent = nullptr);

    // List A, then the lines of list B that A does not hold, written to the
    // export path; a summary box follows. A path that cannot be read or
    // written is named in a box and no file is touched.
    void Command1_Click();
    // A box with the number of lines of the file in Text4.
    void Command2_Click();

private:
    QLabel* m_label1;
    QLineEdit* m_text1;
    QLabel* m_label2;
    QLineEdit* m_text2;
    QLabel* m_label3;
    QLineEdit* m_text3;
    QPushButton* m_command1;
    QLineEdit* m_text4;
    QPushButton* m_command2;
};
