#pragma once

/// Installs Qt's own translation (the buttons of message boxes and of the
/// file dialog) for the language in use; English and a language Qt has no
/// translation for leave Qt's texts in English.
void FollowLanguageInQt();
