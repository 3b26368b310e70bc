#pragma once
// The current login: the ACESSO row the last login attempt left in the data module's CDSlogin.
// Edit stamps, the status bar and restricted deletes read it here.
#include <QString>

namespace app {

// USUARIO of the logged-in user; empty when nobody is logged in (or before the data module exists).
QString usuarioLogado();
// NIVEL of the logged-in user; 0 when nobody is logged in.
int nivelLogado();

} // namespace app
