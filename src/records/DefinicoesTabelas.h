#pragma once

#include "records/Campo.h"

// The six datasets of the data module: their fields (labels, widths, display formats, derived
// display fields, field order), their queries and their modification statements. In the
// modification statements a parameter named after a field takes the record's new value and one
// named OLD_ and the field the value as it was read.
DefinicaoConjunto DefinicaoAvaliados();
DefinicaoConjunto DefinicaoGrupos();
DefinicaoConjunto DefinicaoAvaliacoes();
DefinicaoConjunto DefinicaoAvaliacoesDados();
DefinicaoConjunto DefinicaoLaboratorio();
DefinicaoConjunto DefinicaoAvaliadores();
