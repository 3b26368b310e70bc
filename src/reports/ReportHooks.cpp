#include "reports/ReportHooks.h"

#include "registers/TFormCadastroEscola.h"
#include "reports/TFormRelCadastroEscola.h"

namespace reports {

void ligaTelas()
{
    // Kept and prepared: the screen's "Imprimir" reuses one school list for the whole run.
    TFormCadastroEscola::abrirRelatorio = [](QWidget *) { abrirRelCadastroEscola(); };
}

} // namespace reports
