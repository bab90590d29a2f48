#include "shared/DialogoSalva.h"

#include "platform/Dialoghi.h"

namespace {
qsizetype UltimoSeparatore(const QString& percorso) {
    return std::max(percorso.lastIndexOf(u'/'), percorso.lastIndexOf(u'\\'));
}
} // namespace

SceltaSalva DialogoSalva(Dialoghi& dialoghi, const QString& filtro, const QString& cartella,
                         const QString& titolo, const QString& nomePredefinito) {
    SceltaSalva s;
    const QString percorso = dialoghi.SalvaFile(titolo, cartella, nomePredefinito, filtro);
    if (percorso.isEmpty()) {
        return s;
    }
    const qsizetype taglio = UltimoSeparatore(percorso);
    s.FileScelto = percorso;
    s.CartellaScelta = percorso.left(taglio + 1);
    s.NomeScelto = percorso.mid(taglio + 1);
    s.SceltaFatta = true;
    return s;
}

QString NomeFile(const QString& percorso) {
    return percorso.mid(UltimoSeparatore(percorso) + 1).trimmed();
}
