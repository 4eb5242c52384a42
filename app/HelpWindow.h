#pragma once

#include <QWidget>

class QTextBrowser;

// The user guide in a window of its own: the Markdown guide with its pictures, as installed
// beside the program, in the language of the menus where the guide has a translation.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The guide for a language: "guide_<language>.md" when there is one, else "guide.md".
    static QString guideFile(const QString &language);
    // (Re)loads the guide in the language now installed.
    void showGuide();
    QTextBrowser *browser() const { return m_browser; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Pictures wider than the window are shown at its width, so that only the text scrolls.
    void fitPictures();

    QTextBrowser *m_browser;
};
