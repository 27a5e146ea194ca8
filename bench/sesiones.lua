-- Spreads wrk's requests over the REST sessions listed in $SESIONES (one id
-- per line), sending each back in the "Pragma" header as clients do.
local ids = {}
for linea in io.lines(os.getenv("SESIONES")) do ids[#ids + 1] = linea end
local siguiente = 0

request = function()
  siguiente = siguiente % #ids + 1
  return wrk.format(nil, nil, { ["Pragma"] = "dssession=" .. ids[siguiente] })
end
