#pragma once

#include "dravelle/document/words_settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace dravelle::ui {

class WordsJob;

// "Show Words": the text that scrolls through the horizontal bar, its font,
// size and colours, where it starts and whether it moves out. Opens with the
// stored settings; Ok checks the limits (1023 characters of text, 31 of font
// name) and refuses what breaks them with a message, keeping the dialog open.
class WordsDlg : public QDialog {
    Q_OBJECT

public:
    explicit WordsDlg(const document::WordsSettings &settings, QWidget *parent = nullptr);

    // The values the user accepted.
    const document::WordsSettings &settings() const { return m_settings; }

    void accept() override;

private:
    void buildFields();
    void fillFrom(const document::WordsSettings &settings);

    document::WordsSettings m_settings;
    QLineEdit *m_text = nullptr;
    QComboBox *m_font = nullptr;
    QComboBox *m_size = nullptr;
    QComboBox *m_textColour = nullptr;
    QComboBox *m_background = nullptr;
    QLineEdit *m_startX = nullptr;
    QLineEdit *m_startY = nullptr;
    QCheckBox *m_moveOut = nullptr;
};

// Add Words from the window: the dialog with the store's settings and, on
// Ok, the job that draws them. False when the user cancelled or the job
// could not start (the reason was shown).
bool runAddWords(WordsJob &job, const document::WordsSettings &current, QWidget *parent);

} // namespace dravelle::ui
