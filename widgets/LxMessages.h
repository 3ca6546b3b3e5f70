#ifndef LXMESSAGES_H
#define LXMESSAGES_H

#include <QString>

class QWidget;

// The wizard's three ways of talking to the user, shared by every editor.
class LxMessages
{
public:
    // A name through the name dialog, "Keep Contents" hidden. *answer receives
    // the text (empty when cancelled); true only for Ok.
    static bool askName(const QString& prompt, const QString& initial, QString* answer);
    static void showInformation(QWidget* parent, const QString& message);
    // Yes and No; true only for Yes.
    static bool askYesNo(QWidget* parent, const QString& question);
};

#endif
