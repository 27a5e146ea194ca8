#include "db/DialectoSqlite.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "db/LexicoSql.h"

namespace quorvex::db {
namespace {

constexpr std::size_t kNinguno = static_cast<std::size_t>(-1);

enum class Clase : unsigned char { Palabra, Numero, Cadena, Comillas, Corchetes, Parametro, Simbolo };

struct Token {
  std::size_t inicio;
  std::size_t fin;
  Clase clase;
};

bool EsDigito(char c) { return c >= '0' && c <= '9'; }
bool EsLetra(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == '@' || u == '#' || u >= 0x80;
}
bool EsDePalabra(char c) { return EsLetra(c) || EsDigito(c) || c == '$'; }
char Minuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IgualSinMayusculas(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Minuscula(x) == Minuscula(y);
         });
}


std::size_t FinNumero(std::string_view t, std::size_t i) {
  while (i < t.size() && (EsDigito(t[i]) || t[i] == '.')) ++i;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && EsDigito(t[j])) i = j;
  }
  while (i < t.size() && EsDePalabra(t[i])) ++i;  // exponent digits, 0x...
  return i;
}

// Comments and blanks are not tokens: they stay in the text between tokens.
std::vector<Token> Tokeniza(std::string_view t) {
  std::vector<Token> tokens;
  tokens.reserve(t.size() / 4);
  std::size_t i = 0;
  while (i < t.size()) {
    const char c = t[i];
    const char siguiente = i + 1 < t.size() ? t[i + 1] : '\0';
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
      ++i;
      continue;
    }
    if (c == '-' && siguiente == '-') {
      i = std::min(t.find('\n', i), t.size());
      continue;
    }
    if (c == '/' && siguiente == '*') {
      const std::size_t cierre = t.find("*/", i + 2);
      i = cierre == std::string_view::npos ? t.size() : cierre + 2;
      continue;
    }
    const std::size_t inicio = i;
    Clase clase = Clase::Simbolo;
    if (c == '\'') {
      i = FinCitado(t, i, '\'');
      clase = Clase::Cadena;
    } else if ((c == 'N' || c == 'n') && siguiente == '\'') {
      i = FinCitado(t, i + 1, '\'');
      clase = Clase::Cadena;
    } else if (c == '"') {
      i = FinCitado(t, i, '"');
      clase = Clase::Comillas;
    } else if (c == '[') {
      i = FinCitado(t, i, ']');
      clase = Clase::Corchetes;
    } else if (EsLetra(c)) {
      while (i < t.size() && EsDePalabra(t[i])) ++i;
      clase = Clase::Palabra;
    } else if (EsDigito(c) || (c == '.' && EsDigito(siguiente))) {
      i = FinNumero(t, i);
      clase = Clase::Numero;
    } else if (c == ':' && EsDePalabra(siguiente)) {
      for (++i; i < t.size() && EsDePalabra(t[i]);) ++i;
      clase = Clase::Parametro;
    } else {
      ++i;
    }
    tokens.push_back({inicio, i, clase});
  }
  return tokens;
}

bool EsTipoFecha(std::string_view tipo) {
  const std::string_view base = tipo.substr(0, tipo.find('('));
  for (std::string_view t : {"date", "datetime", "datetime2", "smalldatetime"}) {
    if (IgualSinMayusculas(base, t)) return true;
  }
  return false;
}

bool EsTipoTexto(std::string_view tipo) {
  const std::string_view base = tipo.substr(0, tipo.find('('));
  for (std::string_view t : {"char", "varchar", "nchar", "nvarchar", "text", "ntext"}) {
    if (IgualSinMayusculas(base, t)) return true;
  }
  return false;
}

// Words after which a "+" is a sign, not an addition.
constexpr std::array<std::string_view, 24> kAntesDeSigno{
    "select", "where", "and", "or",  "not",  "then",     "else", "when",  "case", "on",     "by",     "set",
    "is",     "like",  "in",  "as",  "top",  "distinct", "all",  "having", "values", "return", "between", "exists"};

constexpr std::array<std::string_view, 8> kFuncionesDeTexto{"substring", "ltrim", "rtrim", "upper",
                                                            "lower",     "replace", "left", "right"};

class Traductor {
 public:
  explicit Traductor(std::string_view texto)
      : texto_(texto), tokens_(Tokeniza(texto)), pareja_(tokens_.size(), kNinguno),
        consumido_(tokens_.size(), 0), concatena_(tokens_.size(), 0) {
    std::vector<std::size_t> abiertos;
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
      if (EsSimbolo(i, '(')) {
        abiertos.push_back(i);
      } else if (EsSimbolo(i, ')') && !abiertos.empty()) {
        pareja_[i] = abiertos.back();
        pareja_[abiertos.back()] = i;
        abiertos.pop_back();
      }
    }
  }

  std::string Traduce() {
    for (std::size_t i = 0; i < tokens_.size(); ++i) {
      if (consumido_[i]) continue;
      switch (tokens_[i].clase) {
        case Clase::Palabra:
          TraducePalabra(i);
          break;
        case Clase::Corchetes:
          if (!QuitaEsquema(i)) Reemplaza(i, ComoIdentificador(Texto(i)));
          break;
        case Clase::Comillas:
          QuitaEsquema(i);
          break;
        case Clase::Cadena:
          if (texto_[tokens_[i].inicio] != '\'') Edita(tokens_[i].inicio, tokens_[i].inicio + 1, "");
          break;
        case Clase::Simbolo:
          if (EsSimbolo(i, '+') && EsConcatenacion(i)) {
            Reemplaza(i, "||");
            concatena_[i] = 1;
          }
          break;
        case Clase::Numero:
        case Clase::Parametro:
          break;
      }
    }
    return Aplica();
  }

 private:
  // Replaces the text [desde, hasta). Insertions at the end of a SELECT go
  // after anything else inserted at the same place.
  struct Edicion {
    std::size_t desde;
    std::size_t hasta;
    std::string texto;
    bool finDeSelect;
  };

  std::string_view Texto(std::size_t i) const {
    return texto_.substr(tokens_[i].inicio, tokens_[i].fin - tokens_[i].inicio);
  }
  // Source text from the start of token a to the end of token b.
  std::string_view Tramo(std::size_t a, std::size_t b) const {
    return texto_.substr(tokens_[a].inicio, tokens_[b].fin - tokens_[a].inicio);
  }
  bool Es(std::size_t i, Clase clase) const { return i < tokens_.size() && tokens_[i].clase == clase; }
  bool EsSimbolo(std::size_t i, char c) const { return Es(i, Clase::Simbolo) && texto_[tokens_[i].inicio] == c; }
  bool EsPalabra(std::size_t i, std::string_view p) const {
    return Es(i, Clase::Palabra) && IgualSinMayusculas(Texto(i), p);
  }
  bool EsLlamada(std::size_t i) const { return Es(i, Clase::Palabra) && EsSimbolo(i + 1, '('); }
  bool EsNombre(std::size_t i) const {
    return Es(i, Clase::Palabra) || Es(i, Clase::Comillas) || Es(i, Clase::Corchetes);
  }
  bool EsCompuesto(std::size_t i) const {
    return EsPalabra(i, "union") || EsPalabra(i, "except") || EsPalabra(i, "intersect");
  }
  // The token after i, jumping over a parenthesised group as a whole.
  std::size_t Salta(std::size_t i) const {
    if (!EsSimbolo(i, '(')) return i + 1;
    return pareja_[i] == kNinguno ? tokens_.size() : pareja_[i] + 1;
  }
  // First token from `desde` on, at this level of parentheses, that is one of
  // the given symbols or words; kNinguno when the level closes or ends first.
  template <typename Condicion>
  std::size_t BuscaEnNivel(std::size_t desde, Condicion condicion) const {
    for (std::size_t i = desde; i < tokens_.size() && !EsSimbolo(i, ')'); i = Salta(i)) {
      if (condicion(i)) return i;
    }
    return kNinguno;
  }

  void Edita(std::size_t desde, std::size_t hasta, std::string texto, bool finDeSelect = false) {
    ediciones_.push_back({desde, hasta, std::move(texto), finDeSelect});
  }
  void Reemplaza(std::size_t i, std::string texto) { Edita(tokens_[i].inicio, tokens_[i].fin, std::move(texto)); }
  void Consume(std::size_t desde, std::size_t hasta) {
    for (std::size_t i = desde; i <= hasta && i < tokens_.size(); ++i) consumido_[i] = 1;
  }

  static std::string ComoIdentificador(std::string_view corchetes) {
    if (corchetes.size() < 2 || corchetes.back() != ']') return std::string(corchetes);  // unclosed
    std::string nombre = "\"";
    for (std::size_t i = 1; i + 1 < corchetes.size(); ++i) {
      nombre += corchetes[i];
      if (corchetes[i] == '"') nombre += '"';
      if (corchetes[i] == ']') ++i;  // "]]" stands for "]"
    }
    return nombre + '"';
  }

  // A type name such as "decimal(18, 2)" as an SQL literal, without blanks.
  static std::string ComoLiteral(std::string_view tipo) {
    std::string literal = "'";
    for (const char c : tipo) {
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
      literal += c;
      if (c == '\'') literal += '\'';
    }
    return literal + '\'';
  }

  void TraducePalabra(std::size_t i) {
    if (EsPalabra(i, "dbo")) {
      QuitaEsquema(i);
    } else if (EsPalabra(i, "select")) {
      TraduceTop(i);
    } else if (!EsLlamada(i)) {
      return;
    } else if (EsPalabra(i, "convert")) {
      TraduceConvert(i);
    } else if (EsPalabra(i, "cast")) {
      TraduceCast(i);
    } else if (EsPalabra(i, "isnull")) {
      Reemplaza(i, "ifnull");
    } else if (EsPalabra(i, "left")) {
      Reemplaza(i, "tsql_left");
    } else if (EsPalabra(i, "right")) {
      Reemplaza(i, "tsql_right");
    } else if (EsPalabra(i, "dateadd") || EsPalabra(i, "datediff") || EsPalabra(i, "datepart")) {
      if (Es(i + 2, Clase::Palabra) && EsSimbolo(i + 3, ',')) {
        Reemplaza(i + 2, ComoLiteral(Texto(i + 2)));
        consumido_[i + 2] = 1;
      }
    }
  }

  // dbo.name -> name; true when token i was that prefix.
  bool QuitaEsquema(std::size_t i) {
    const std::string_view t = Texto(i);
    const bool esDbo = IgualSinMayusculas(t, "dbo") ||
                       ((t.front() == '[' || t.front() == '"') && IgualSinMayusculas(t.substr(1, t.size() - 2), "dbo"));
    if (!esDbo || !EsSimbolo(i + 1, '.') || !EsNombre(i + 2)) return false;
    Edita(tokens_[i].inicio, tokens_[i + 1].fin, "");
    consumido_[i + 1] = 1;
    return true;
  }

  void TraduceTop(std::size_t select) {
    std::size_t top = select + 1;
    if (EsPalabra(top, "distinct") || EsPalabra(top, "all")) ++top;
    if (!EsPalabra(top, "top")) return;
    const std::size_t cuenta = top + 1;
    std::string_view limite;
    std::size_t sigue;
    if (EsSimbolo(cuenta, '(') && pareja_[cuenta] != kNinguno && pareja_[cuenta] > cuenta + 1) {
      limite = Tramo(cuenta + 1, pareja_[cuenta] - 1);
      sigue = pareja_[cuenta] + 1;
    } else if (Es(cuenta, Clase::Numero)) {
      limite = Texto(cuenta);
      sigue = cuenta + 1;
    } else {
      return;
    }
    if (EsPalabra(sigue, "percent") || (EsPalabra(sigue, "with") && EsPalabra(sigue + 1, "ties"))) return;
    std::size_t fin = sigue;
    while (fin < tokens_.size() && !EsSimbolo(fin, ')') && !EsSimbolo(fin, ';') && !EsCompuesto(fin)) {
      fin = Salta(fin);
    }
    if (fin == sigue) return;  // nothing selected: not ours to fix
    const std::size_t ultimo = fin - 1;
    const bool miembro = EsCompuesto(fin) || (select > 0 && EsCompuesto(select - 1)) ||
                         (select > 1 && EsPalabra(select - 1, "all") && EsCompuesto(select - 2));
    Edita(tokens_[top].inicio, tokens_[sigue].inicio, "");
    Consume(top, sigue - 1);
    Edita(tokens_[ultimo].fin, tokens_[ultimo].fin, " LIMIT " + std::string(limite), true);
    if (miembro) {
      Edita(tokens_[select].inicio, tokens_[select].inicio, "SELECT * FROM (");
      Edita(tokens_[ultimo].fin, tokens_[ultimo].fin, ")", true);
    }
  }

  void TraduceConvert(std::size_t i) {
    const std::size_t abre = i + 1;
    const std::size_t coma = BuscaEnNivel(abre + 1, [this](std::size_t k) { return EsSimbolo(k, ','); });
    if (coma == kNinguno || coma == abre + 1) return;
    const std::string tipo = ComoLiteral(Tramo(abre + 1, coma - 1));
    Edita(tokens_[i].inicio, tokens_[coma].fin, "tsql_convert(" + tipo + ",");
    Consume(abre + 1, coma);
    if (EsTipoFecha(Texto(abre + 1)) && pareja_[abre] != kNinguno) {
      Edita(tokens_[pareja_[abre]].fin, tokens_[pareja_[abre]].fin, " COLLATE tsql_fecha");
    }
  }

  void TraduceCast(std::size_t i) {
    const std::size_t abre = i + 1;
    const std::size_t cierra = pareja_[abre];
    if (cierra == kNinguno) return;
    const std::size_t as = BuscaEnNivel(abre + 1, [this](std::size_t k) { return EsPalabra(k, "as"); });
    if (as == kNinguno || as == abre + 1 || as + 1 >= cierra) return;
    if (!EsTipoFecha(Texto(as + 1))) return;
    Edita(tokens_[i].inicio, tokens_[abre].fin, "tsql_convert(" + ComoLiteral(Tramo(as + 1, cierra - 1)) + ", ");
    Edita(tokens_[as - 1].fin, tokens_[cierra].inicio, "");
    Consume(as, cierra - 1);
    Edita(tokens_[cierra].fin, tokens_[cierra].fin, " COLLATE tsql_fecha");
  }

  // Token i is a "+" between two operands.
  bool EsConcatenacion(std::size_t i) const {
    if (i == 0 || i + 1 >= tokens_.size()) return false;
    const std::size_t antes = i - 1;
    if (Es(antes, Clase::Simbolo) && !EsSimbolo(antes, ')')) return false;
    if (Es(antes, Clase::Palabra)) {
      for (const std::string_view p : kAntesDeSigno) {
        if (EsPalabra(antes, p)) return false;
      }
    }
    return IzquierdoEsTexto(antes) || EmpiezaTexto(i + 1);
  }

  // Token j ends the left operand of a "+".
  bool IzquierdoEsTexto(std::size_t j) const {
    if (Es(j, Clase::Cadena)) return true;
    std::size_t inicio = j;
    if (EsSimbolo(j, ')')) {
      const std::size_t abre = pareja_[j];
      if (abre == kNinguno) return false;
      inicio = abre;
      if (abre > 0 && Es(abre - 1, Clase::Palabra)) {
        if (EsLlamadaDeTexto(abre - 1)) return true;
        inicio = abre - 1;
      }
    } else {
      while (inicio >= 2 && EsSimbolo(inicio - 1, '.') && EsNombre(inicio - 2)) inicio -= 2;
    }
    // 'a' + b + c: the left operand of the second "+" is the text 'a' + b.
    return inicio > 0 && concatena_[inicio - 1];
  }

  bool EmpiezaTexto(std::size_t k) const { return Es(k, Clase::Cadena) || EsLlamadaDeTexto(k); }

  bool EsLlamadaDeTexto(std::size_t k) const {
    if (!EsLlamada(k)) return false;
    for (const std::string_view f : kFuncionesDeTexto) {
      if (EsPalabra(k, f)) return true;
    }
    const std::size_t abre = k + 1;
    if (EsPalabra(k, "convert")) return Es(abre + 1, Clase::Palabra) && EsTipoTexto(Texto(abre + 1));
    if (EsPalabra(k, "cast")) {
      const std::size_t as = BuscaEnNivel(abre + 1, [this](std::size_t i) { return EsPalabra(i, "as"); });
      return as != kNinguno && Es(as + 1, Clase::Palabra) && EsTipoTexto(Texto(as + 1));
    }
    if (EsPalabra(k, "isnull")) {
      const std::size_t coma = BuscaEnNivel(abre + 1, [this](std::size_t i) { return EsSimbolo(i, ','); });
      return EmpiezaTexto(abre + 1) || (coma != kNinguno && EmpiezaTexto(coma + 1));
    }
    return false;
  }

  std::string Aplica() {
    if (ediciones_.empty()) return std::string(texto_);
    std::stable_sort(ediciones_.begin(), ediciones_.end(), [](const Edicion& a, const Edicion& b) {
      return a.desde != b.desde ? a.desde < b.desde : (!a.finDeSelect && b.finDeSelect);
    });
    std::string resultado;
    resultado.reserve(texto_.size() + 16 * ediciones_.size());
    std::size_t copiado = 0;
    for (const Edicion& e : ediciones_) {
      if (e.desde > copiado) resultado.append(texto_.substr(copiado, e.desde - copiado));
      resultado += e.texto;
      copiado = std::max(copiado, e.hasta);
    }
    resultado.append(texto_.substr(std::min(copiado, texto_.size())));
    return resultado;
  }

  std::string_view texto_;
  std::vector<Token> tokens_;
  std::vector<std::size_t> pareja_;  // matching parenthesis of each "(" and ")"
  std::vector<char> consumido_;      // already rewritten as part of an earlier token's rule
  std::vector<char> concatena_;      // "+" rewritten as "||"
  std::vector<Edicion> ediciones_;
};

}  // namespace

std::string TraduceTSqlASqlite(std::string_view tsql) { return Traductor(tsql).Traduce(); }

}  // namespace quorvex::db
