-- Documents as a sales app writes them: a header (AgregaEncabezado), then ten
-- movements (AgregaDetalle) on the id it answered, then the next document.
-- One connection per wrk thread (-t N -c N): each thread is one caller, and
-- keeps the REST session the server gave it, as client applications do.
local ruta = "/datasnap/rest/TServerMethodsSync/"
local token = os.getenv("TOKEN_EMPRESA")
local kMovimientos = 10
local hilos = {}

local function segmento(texto)
  return (texto:gsub("[^%w%-%._~]", function(c) return string.format("%%%02X", c:byte()) end))
end

local function encabezado(folio)
  local f = {"1", "BE", tostring(folio), "2024-07-01", "1", "0", "Cliente", "XAXX010101000", "1",
             "2024-07-31", "2024-07-01", "2024-07-01", "Ref", "Obs"}
  for i = #f + 1, 36 do f[i] = "0" end
  for _, v in ipairs({"", "", "", "2024-07-01", "1", "2", "3", "4", "", "", "", "", "2", "1.5", "2", "", "PUE",
                      "1", "1", "", "", "1", "1", "G01"}) do f[#f + 1] = v end
  return table.concat(f, "|")
end

local function movimiento(documento, numero)
  local f = {}
  for i = 1, 52 do f[i] = "0" end
  f[1], f[2], f[3], f[4], f[5], f[6] = tostring(documento), tostring(numero), "AB001", "ALM01", "2", "2"
  f[7], f[10], f[11], f[12], f[31] = "32.5", "65", "0", "0", "65"
  for _, i in ipairs({33, 34, 42, 43, 44, 51}) do f[i] = "" end
  f[37], f[45] = "2024-07-01", "2024-07-01"
  return table.concat(f, "|")
end

function setup(thread)
  thread:set("id", #hilos + 1)
  hilos[#hilos + 1] = thread
end

function init()
  folio = id * 1000000
  documento = nil
  enviados = 0
  documentos = 0
  fallos = 0
  cabeceras = {}
end

function request()
  if documento == nil then
    folio = folio + 1
    return wrk.format("GET", ruta .. "AgregaEncabezado/" .. token .. "/0/" .. segmento(encabezado(folio)), cabeceras)
  end
  return wrk.format("GET", ruta .. "AgregaDetalle/" .. token .. "/0/0/0/0/0/" ..
                    segmento(movimiento(documento, enviados + 1)), cabeceras)
end

function response(status, headers, body)
  local sesion = headers["Pragma"] and headers["Pragma"]:match("dssession=([^,]+)")
  if sesion then cabeceras["Pragma"] = "dssession=" .. sesion end
  local resultado = tonumber(body:match('"result":%[(%-?%d+)%]') or "0")
  if status ~= 200 or resultado <= 0 then fallos = fallos + 1 end
  if documento == nil then
    documento = resultado
    enviados = 0
    return
  end
  enviados = enviados + 1
  if enviados == kMovimientos then
    documentos = documentos + 1
    documento = nil
  end
end

function done(summary, latency, requests)
  local total, fallidos = 0, 0
  for _, t in ipairs(hilos) do
    total = total + t:get("documentos")
    fallidos = fallidos + t:get("fallos")
  end
  local segundos = summary.duration / 1e6
  io.write(string.format("documentos completos %d en %.1f s: %.1f documentos/s (%.0f llamadas/s), fallos %d\n",
                         total, segundos, total / segundos, summary.requests / segundos, fallidos))
  io.write(string.format("latencia por llamada: p50 %.2f ms, p99 %.2f ms\n",
                         latency:percentile(50) / 1000, latency:percentile(99) / 1000))
end
