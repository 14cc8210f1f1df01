#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;
class QToolButton;

namespace krugovik {

// The folder of the handbook: the installed one beside the program
// (share/doc/krugovik/handbook), else the source tree's doc/ for a run from the build
// tree; empty when neither holds index.md. Its subfolder of the language the program
// speaks (en/) when that holds an index, so an English program shows the English chapters.
QString handbookFolder();

// «Руководство» (Handbook): the handbook's chapters in Markdown, with their pictures, read in a
// window of its own; links between chapters open inside it.
class HelpViewer : public QDialog {
    Q_OBJECT
  public:
    // folder holds index.md and images/; an empty one shows where it was looked for.
    explicit HelpViewer(const QString &folder, QWidget *parent = nullptr);

    QTextBrowser *browser() const { return txtHelp; }

  private:
    QTextBrowser *txtHelp = nullptr;
    QToolButton *cmdHelpBack = nullptr;
    QToolButton *cmdHelpHome = nullptr;
};

} // namespace krugovik
