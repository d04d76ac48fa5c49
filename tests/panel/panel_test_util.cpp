#include "panel_test_util.h"

#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"
#include "2-QZutils/records_reset.h"
#include "panel/p_init.h"

namespace panel_test {

using namespace orv;

void conventional_aircraft(int entype, int top4, int bottom4)
{
    init_trig_tables();
    set_constants();
    std::memset(&pln, 0, sizeof pln);
    clear_records();
    pln.paneltype = 1;
    pln.radiotype = 1;
    pln.AStype = 1;
    pln.VVItype = 1;
    pln.numen = 1;
    pln.entype = entype;
    pln.Vso = 45;
    pln.Vs = 50;
    pln.Vfe = 85;
    pln.Vno = 125;
    pln.Vne = 160;
    const int six[9] = {0, INS_ASI, INS_AHZ, INS_ALT, top4, INS_TSI, INS_HSI, INS_VVI, bottom4};
    std::memcpy(pln.ins_of_loc, six, sizeof six);
    init_panel_layout();
    msc.prd = 0.05f;
}

void all_working()
{
    rel.vacuum = rel.ss_asi = rel.ss_ahz = rel.ss_alt = rel.ss_tsi = rel.ss_dgy = rel.ss_vvi = 1;
    rel.radios = rel.esystem = rel.efis_1 = rel.efis_2 = 1;
    for (int e = 0; e < 4; ++e) rel.oilpmp[e] = 1;
}

}  // namespace panel_test
