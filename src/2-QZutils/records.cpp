#include "2-QZutils/qz_angles.h"
#include "2-QZutils/records.h"

#include <cstring>

#include "2-QZutils/records_reset.h"

namespace orv {

planestruct       pln;
airfoilstruct     afl;
constantstruct    con;
flightstruct      flt;
atmospherestruct  atm;
environmentstruct env;
scenerystruct     scn;
navstruct         nav;
inststruct        ins;
pathstruct        pat;
graphstruct       grf;
ottostruct        ott;
settingstruct     set;
miscstruct        msc;
relstruct         rel;
atcstruct         atc;
flightplanstruct  fpl;
menuwindowstruct  mnw;

int gdone, done_initing, ogl_ready, is_3dfx, up_handled, got_event;
int ogl_res, ogl_trees;

void set_constants()
{
    con.fttomtrs = 0.3048f;
    con.mtrstoft = 1.0f / con.fttomtrs;
    con.nmtomtrs = 1852.0f;
    con.mtrstonm = 1.0f / con.nmtomtrs;
    con.nm_to_sm = 1.150779f;
    con.ktstomsc = 1852.0f / 3600.0f;
    con.msctokts = 1.0f / con.ktstomsc;
    con.msctofpm = 60.0f / 0.3048f;
    con.kgstolbs = 2.2046226f;
    con.lbstokgs = 1.0f / con.kgstolbs;
    con.rsctorpm = 60.0f / 6.2831853f;
    con.rpmtorsc = 1.0f / con.rsctorpm;
    con.hptowat = 745.69987f;
    con.lbstonew = 4.4482216f;
    con.ftlbstonm = 1.3558179f;
    con.ft2tom2 = 0.3048f * 0.3048f;
    con.dgrtorad = DEG_TO_RAD_F;
    con.radtodgr = RAD_TO_DEG_F;
    con.dgrtodgk = 5.0f / 9.0f;
    con.endtomed = 515.37882f;
    con.inhgtopa = 3386.389f;
    con.nrttomtr = 60.0f * 1852.0f;         // one degree of latitude is 60 nautical miles
    con.mtrtonrt = 1.0f / con.nrttomtr;
    con.mtrtoplt = 494.0f / (30.0f * 1852.0f);   // an approach chart spans 30 nm at zoom 1
    con.g = 9.80665f;
    con.rhoSL = 1.225f;
    con.rho_h20 = 1000.0f;
    con.muair = 1.789e-5f;
    con.muearth = 3.986004e14f;
    con.rearth = 6378137.0f;
    con.cntrx = 400.0f;
    con.cntry = 300.0f;
}

void clear_records()
{
    std::memset(&flt, 0, sizeof flt);
    std::memset(&ott, 0, sizeof ott);
    std::memset(&ins, 0, sizeof ins);
    std::memset(&set, 0, sizeof set);
    std::memset(&msc, 0, sizeof msc);
    std::memset(&scn, 0, sizeof scn);
    std::memset(&nav, 0, sizeof nav);
    std::memset(&atm, 0, sizeof atm);
    std::memset(&env, 0, sizeof env);
    std::memset(&grf, 0, sizeof grf);
    std::memset(&pat, 0, sizeof pat);
    std::memset(&rel, 0, sizeof rel);
    std::memset(&atc, 0, sizeof atc);
    std::memset(&fpl, 0, sizeof fpl);
}

}  // namespace orv
