#pragma once
// Qt's own Russian translations, so that the standard dialogs (message and
// input boxes, the file dialogs) speak Russian like the program's windows,
// and the Russian locale for Qt's own texts.

namespace vexilor {

// Installs the translations once per application; later calls do nothing.
// False when Qt's Russian catalogue is not installed (the standard dialogs
// then stay in English).
bool InstallRussianTranslation();

}  // namespace vexilor
