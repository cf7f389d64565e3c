#pragma once

// Loads Qt's own Brazilian Portuguese texts (standard buttons, file dialogs) into the running
// application; false when the translation files are not installed.
[[nodiscard]] bool InstalarTraducoesQt();
