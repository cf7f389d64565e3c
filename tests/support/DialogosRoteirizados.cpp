#include "support/DialogosRoteirizados.h"

DialogosRoteirizados& DialogosRoteirizados::instalar() {
  auto novo = std::make_unique<DialogosRoteirizados>();
  DialogosRoteirizados& referencia = *novo;
  InstalarDialogos(std::move(novo));
  return referencia;
}

QList<DialogosRoteirizados::Chamada> DialogosRoteirizados::mensagens() const {
  QList<Chamada> lista;
  for (const Chamada& c : chamadas_)
    if (c.tipo == Tipo::Mensagem) lista.append(c);
  return lista;
}

QVariant DialogosRoteirizados::proximaResposta(const Chamada& chamada) {
  chamadas_.append(chamada);
  if (aoMostrar_) aoMostrar_(chamada);
  return respostas_.isEmpty() ? QVariant() : respostas_.dequeue();
}

QMessageBox::StandardButton DialogosRoteirizados::mensagem(QWidget*, const QString& titulo,
                                                           const QString& texto,
                                                           QMessageBox::Icon icone,
                                                           QMessageBox::StandardButtons botoes,
                                                           QMessageBox::StandardButton) {
  const QVariant r = proximaResposta({Tipo::Mensagem, titulo, texto, icone, botoes, {}});
  if (r.isValid()) return static_cast<QMessageBox::StandardButton>(r.toInt());
  // Unanswered: a box with one button can only answer that button; otherwise it is dismissed.
  const int valor = botoes.toInt();
  const bool umBotao = valor != 0 && (valor & (valor - 1)) == 0;
  return umBotao ? static_cast<QMessageBox::StandardButton>(valor) : QMessageBox::NoButton;
}

std::optional<QString> DialogosRoteirizados::entrada(QWidget*, const QString& titulo,
                                                     const QString& rotulo, const QString&) {
  const QVariant r = proximaResposta({Tipo::Entrada, titulo, rotulo, {}, {}, {}});
  if (!r.isValid()) return std::nullopt;
  return r.toString();
}

QString DialogosRoteirizados::abrirArquivo(QWidget*, const QString& titulo, const QString& pasta,
                                           const QString& filtro) {
  return proximaResposta({Tipo::AbrirArquivo, titulo, pasta, {}, {}, filtro}).toString();
}

QString DialogosRoteirizados::salvarArquivo(QWidget*, const QString& titulo, const QString& caminho,
                                            const QString& filtro) {
  return proximaResposta({Tipo::SalvarArquivo, titulo, caminho, {}, {}, filtro}).toString();
}

QString DialogosRoteirizados::escolherPasta(QWidget*, const QString& titulo, const QString& pasta) {
  return proximaResposta({Tipo::EscolherPasta, titulo, pasta, {}, {}, {}}).toString();
}
