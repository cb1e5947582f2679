# Reads a DXF file with ezdxf and prints what the DXF test checks, as JSON: the layers, the
# circles of the layer of electrodes, the dimensions that ezdxf's audit keeps (it drops those
# without the block of their picture), and every text decoded from \U+XXXX.
import json
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
doc.audit()
msp = doc.modelspace()
decode = ezdxf.decode_dxf_unicode
texts = [decode(e.dxf.text) for e in msp.query("TEXT")]
for block in doc.blocks:
    texts += [decode(e.dxf.text) for e in block.query("TEXT")]
print(json.dumps({
    "version": doc.dxfversion,
    "layers": sorted(decode(layer.dxf.name) for layer in doc.layers),
    "circles": sum(1 for e in msp.query("CIRCLE") if decode(e.dxf.layer) == "Заземлители"),
    "dimensions": len(msp.query("DIMENSION")),
    "texts": texts,
}, ensure_ascii=False))
