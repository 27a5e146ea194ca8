#include "hosting/ArgumentosRest.h"

#include <charconv>
#include <cmath>

#include "hosting/ErrorRest.h"
#include "hosting/Json.h"

namespace quorvex {

namespace {

std::string_view NombreTipo(TipoParametro tipo) {
  switch (tipo) {
    case TipoParametro::Texto:
      return "string";
    case TipoParametro::Entero:
      return "Integer";
    case TipoParametro::Doble:
      return "Double";
    case TipoParametro::Booleano:
      return "Boolean";
    case TipoParametro::FechaHora:
      return "TDateTime";
  }
  return "?";
}

std::optional<bool> LeeBooleano(std::string_view texto) {
  if (texto == "true") return true;
  if (texto == "false") return false;
  return std::nullopt;
}

// The whole text must be the number.
template <typename Numero>
std::optional<Numero> LeeNumero(std::string_view texto) {
  Numero numero{};
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), numero);
  if (error != std::errc{} || fin != texto.data() + texto.size()) return std::nullopt;
  return numero;
}

std::optional<int> Digitos(std::string_view texto, std::size_t desde, std::size_t cuantos) {
  int n = 0;
  for (std::size_t i = desde; i < desde + cuantos; ++i) {
    if (texto[i] < '0' || texto[i] > '9') return std::nullopt;
    n = n * 10 + (texto[i] - '0');
  }
  return n;
}

Argumento ConvierteTexto(std::string_view texto, TipoParametro tipo) {
  const auto booleano = LeeBooleano(texto);
  switch (tipo) {
    case TipoParametro::Texto:
      return std::string(texto);
    case TipoParametro::Entero:
      if (booleano) return std::int32_t{*booleano ? 1 : 0};
      if (auto n = LeeNumero<std::int32_t>(texto)) return *n;
      break;
    case TipoParametro::Doble:
      if (booleano) return *booleano ? 1.0 : 0.0;
      if (auto d = LeeNumero<double>(texto); d && std::isfinite(*d)) return *d;
      break;
    case TipoParametro::Booleano:
      if (booleano) return *booleano;
      break;
    case TipoParametro::FechaHora:
      if (auto f = LeeFechaHora(texto)) return *f;
      break;
  }
  throw ErrorTransporte("Cannot convert JSON value " + std::string(texto) + " input into " +
                        std::string(NombreTipo(tipo)));
}

}  // namespace

Argumento ArgumentoNulo(TipoParametro tipo) {
  switch (tipo) {
    case TipoParametro::Texto:
      return std::string();
    case TipoParametro::Entero:
      return std::int32_t{0};
    case TipoParametro::Doble:
      return 0.0;
    case TipoParametro::Booleano:
      return false;
    case TipoParametro::FechaHora:
      return db::FechaHora{};
  }
  return std::string();
}

Argumento ConvierteSegmento(std::string_view segmento, TipoParametro tipo) {
  if (segmento == "null") return ArgumentoNulo(tipo);
  return ConvierteTexto(segmento, tipo);
}

Argumento ConvierteValorJson(const rapidjson::Value& valor, TipoParametro tipo) {
  if (valor.IsNull()) return ArgumentoNulo(tipo);
  if (valor.IsString()) return ConvierteTexto({valor.GetString(), valor.GetStringLength()}, tipo);
  // Numbers, true/false, objects and arrays convert from their JSON text.
  std::string texto;
  SalidaTexto salida(texto);
  EscritorJson escritor(salida);
  valor.Accept(escritor);
  return ConvierteTexto(texto, tipo);
}

std::optional<db::FechaHora> LeeFechaHora(std::string_view texto) {
  using namespace std::chrono;
  if (texto.size() != 19 && texto.size() != 23) return std::nullopt;
  if (texto[4] != '-' || texto[7] != '-' || (texto[10] != ' ' && texto[10] != 'T') || texto[13] != ':' ||
      texto[16] != ':' || (texto.size() == 23 && texto[19] != '.'))
    return std::nullopt;
  const auto anio = Digitos(texto, 0, 4), mes = Digitos(texto, 5, 2), dia = Digitos(texto, 8, 2);
  const auto hora = Digitos(texto, 11, 2), minuto = Digitos(texto, 14, 2), segundo = Digitos(texto, 17, 2);
  const auto milis = texto.size() == 23 ? Digitos(texto, 20, 3) : std::optional<int>(0);
  if (!anio || !mes || !dia || !hora || !minuto || !segundo || !milis) return std::nullopt;
  const year_month_day fecha{year{*anio}, month{static_cast<unsigned>(*mes)}, day{static_cast<unsigned>(*dia)}};
  if (!fecha.ok() || *hora > 23 || *minuto > 59 || *segundo > 59) return std::nullopt;
  return sys_days(fecha) + hours(*hora) + minutes(*minuto) + seconds(*segundo) + milliseconds(*milis);
}

}  // namespace quorvex
