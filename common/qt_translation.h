#pragma once

class QObject;

namespace krugovik {

// Qt's own texts (standard buttons, the context menus of text boxes and scroll bars, the
// menus of child windows) in Russian whatever the machine's locale, for as long as user
// lives. One translator serves every main window of the process; the last one to go
// removes it. Without Qt's Russian catalogue those texts stay English.
void useRussianQtTexts(QObject *user);

} // namespace krugovik
