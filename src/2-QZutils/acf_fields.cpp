// acf_fields.cpp -- the field table of the aircraft record.
#include "2-QZutils/acf_fields.h"

#include <cstring>
#include <type_traits>

namespace orv {

namespace {

template <class T>
constexpr acf_field make_field(const char* name, std::size_t offset, const char* unit = nullptr, float lo = 0.0f,
                               float hi = 0.0f, int dec = 0)
{
    using E = std::remove_all_extents_t<T>;
    static_assert(std::is_same_v<E, int> || std::is_same_v<E, float> || std::is_same_v<E, char>,
                  "aircraft record holds only int, float and text");
    static_assert(sizeof(E) == 1 || sizeof(E) == 4, "numbers in the file are 4 bytes");
    acf_field f{};
    f.name = name;
    f.offset = offset;
    f.type = std::is_same_v<E, int> ? ACF_INT : std::is_same_v<E, float> ? ACF_FLOAT : ACF_CHAR;
    constexpr int r = static_cast<int>(std::rank_v<T>);
    const int ext[3] = {static_cast<int>(std::extent_v<T, 0>), static_cast<int>(std::extent_v<T, 1>),
                        static_cast<int>(std::extent_v<T, 2>)};
    f.dims[0] = f.dims[1] = f.dims[2] = 1;
    if constexpr (std::is_same_v<E, char>) {
        static_assert(r >= 1 && r <= 3, "text fields are char arrays");
        f.rank = r - 1;
        for (int i = 0; i < r - 1; ++i) f.dims[i] = ext[i];
        f.elem_size = static_cast<std::size_t>(ext[r - 1]);
    } else {
        static_assert(r <= 3, "at most three dimensions");
        f.rank = r;
        for (int i = 0; i < r; ++i) f.dims[i] = ext[i];
        f.elem_size = 4;
    }
    f.count = static_cast<std::size_t>(f.dims[0]) * f.dims[1] * f.dims[2];
    f.bytes = f.count * f.elem_size;
    f.unit = unit;
    f.lo = lo;
    f.hi = hi;
    f.dec = dec;
    return f;
}

}  // namespace

#define ACF_F(n) make_field<decltype(planestruct::n)>(#n, offsetof(planestruct, n))
// A designed field: its stored unit, the range a design may hold and the decimals shown.
#define ACF_U(n, unit, lo, hi, dec) make_field<decltype(planestruct::n)>(#n, offsetof(planestruct, n), unit, lo, hi, dec)

const acf_field acf_fields[] = {
    ACF_F(C_file),
    ACF_F(C_name),
    ACF_F(C_path),
    ACF_U(is_heli, "", 0.0f, 1.0f, 0),
    ACF_U(us_alt, "", 0.0f, 1.0f, 0),
    ACF_U(tailnum, "", 0.0f, 0.0f, 0),
    ACF_U(asi_units, "", 1.0f, 2.0f, 0),
    ACF_U(Vso, "kts", 0.0f, 2000.0f, 0),
    ACF_U(Vs, "kts", 0.0f, 2000.0f, 0),
    ACF_U(Vfe, "kts", 0.0f, 2000.0f, 0),
    ACF_U(Vno, "kts", 0.0f, 2000.0f, 0),
    ACF_U(Vne, "kts", 0.0f, 2000.0f, 0),
    ACF_U(Mmo, "Mach", 0.0f, 9.99f, 2),
    ACF_U(peX, "ft", -999.99f, 999.99f, 2),
    ACF_U(peY, "ft", -999.99f, 999.99f, 2),
    ACF_U(peZ, "ft", -999.99f, 999.99f, 2),
    ACF_U(paneltype, "", 1.0f, 2.0f, 0),
    ACF_U(radiotype, "", 1.0f, 2.0f, 0),
    ACF_U(AStype, "", 0.0f, 3.0f, 0),
    ACF_U(supptype, "", 0.0f, 7.0f, 0),
    ACF_U(HUDtype, "", 1.0f, 3.0f, 0),
    ACF_U(VVItype, "", 1.0f, 2.0f, 0),
    ACF_F(ecam),
    ACF_F(tape),
    ACF_F(cp),
    ACF_F(ASpwr),
    ACF_F(Vmin),
    ACF_F(Vmax),
    ACF_F(gsx1),
    ACF_F(gsx2),
    ACF_F(gsw),
    ACF_F(gsy1),
    ACF_F(gsyc),
    ACF_F(gsy2),
    ACF_F(ah_dim_int),
    ACF_F(ah_semidim_int),
    ACF_F(ah_semidim_flt),
    ACF_F(ah_top_prim),
    ACF_F(ah_top_roll),
    ACF_F(ah_bot_prim),
    ACF_F(ah_bot_roll),
    ACF_F(ahx1_prim),
    ACF_F(ahx1_roll),
    ACF_F(ahx2_prim),
    ACF_F(ahx2_roll),
    ACF_U(has_ins, "", 0.0f, 1.0f, 0),
    ACF_U(ins_of_loc, "", 0.0f, 8.0f, 0),
    ACF_U(ff_hydraulic, "", 0.0f, 1.0f, 0),
    ACF_U(ff_stickshaker, "", 0.0f, 1.0f, 0),
    ACF_U(entype, "", 1.0f, 5.0f, 0),
    ACF_U(revthrustEQ, "", 0.0f, 1.0f, 0),
    ACF_U(numen, "", 0.0f, 4.0f, 0),
    ACF_U(sfc, "lb/hp/hr", 0.0f, 9.999f, 3),
    ACF_U(pmax, "hp", 0.0f, 99999.0f, 0),
    ACF_U(gearrat, "", 0.0f, 99.99f, 2),
    ACF_U(critalt, "ft", 0.0f, 99999.0f, 0),
    ACF_U(mpmax, "inHg", 0.0f, 99.9f, 1),
    ACF_U(omegamin, "rpm", 0.0f, 99999.0f, 0),
    ACF_U(omegamax, "rpm", 0.0f, 99999.0f, 0),
    ACF_U(omegamingreen, "rpm", 0.0f, 99999.0f, 0),
    ACF_U(omegamaxgreen, "rpm", 0.0f, 99999.0f, 0),
    ACF_U(tmax, "lb", 0.0f, 999999.0f, 0),
    ACF_U(burnerinc, "lb", 0.0f, 999999.0f, 0),
    ACF_U(facejet, "ft^2", 0.0f, 999.9f, 1),
    ACF_U(spooltime, "s", 0.0f, 99.9f, 1),
    ACF_U(vectEQ, "", 0.0f, 1.0f, 0),
    ACF_U(varpitchEQ, "", 0.0f, 1.0f, 0),
    ACF_U(vectarm, "ft", -999.99f, 999.99f, 2),
    ACF_U(pylondx, "ft", -999.99f, 999.99f, 2),
    ACF_U(pylondz, "ft", -999.99f, 999.99f, 2),
    ACF_U(trotor_rat, "", 0.0f, 99.99f, 2),
    ACF_U(propdir, "", -1.0f, 1.0f, 0),
    ACF_U(numblades, "", 0.0f, 9.0f, 0),
    ACF_U(minpitch, "deg", -180.0f, 180.0f, 1),
    ACF_U(maxpitch, "deg", -180.0f, 180.0f, 1),
    ACF_U(sidecant, "deg", -180.0f, 180.0f, 1),
    ACF_U(vertcant, "deg", -180.0f, 180.0f, 1),
    ACF_U(miprop, "kg-m^2", 0.0f, 99999.9f, 1),
    ACF_F(discarea),
    ACF_F(ringarea),
    ACF_U(des_adv, "in", 0.0f, 9999.9f, 1),
    ACF_U(des_rpm, "rpm", 0.0f, 99999.0f, 0),
    ACF_U(des_vel, "kts", 0.0f, 2000.0f, 0),
    ACF_U(Rafl0, "", 0.0f, 0.0f, 0),
    ACF_U(Rafl1, "", 0.0f, 0.0f, 0),
    ACF_U(Tafl0, "", 0.0f, 0.0f, 0),
    ACF_U(Tafl1, "", 0.0f, 0.0f, 0),
    ACF_U(els, "", 0.0f, 8.0f, 0),
    ACF_U(Xarm, "ft", -999.99f, 999.99f, 2),
    ACF_U(Yarm, "ft", -999.99f, 999.99f, 2),
    ACF_U(Zarm, "ft", -999.99f, 999.99f, 2),
    ACF_U(Croot, "ft", 0.0f, 999.99f, 2),
    ACF_U(Ctip, "ft", 0.0f, 999.99f, 2),
    ACF_U(semilen, "ft", 0.0f, 999.99f, 2),
    ACF_U(sweep1, "deg", -180.0f, 180.0f, 1),
    ACF_U(sweep2, "deg", -180.0f, 180.0f, 1),
    ACF_F(sweepnow),
    ACF_U(varsweepEQ, "", 0.0f, 1.0f, 0),
    ACF_U(dihed, "deg", -180.0f, 180.0f, 1),
    ACF_U(anginc, "deg", -90.0f, 90.0f, 1),
    ACF_F(in_downwash),
    ACF_F(in_propwash),
    ACF_F(spec_wash),
    ACF_F(lo_washdir),
    ACF_F(hi_washdir),
    ACF_F(max_washdir),
    ACF_F(s),
    ACF_F(mac),
    ACF_F(AR),
    ACF_F(e),
    ACF_F(delta_fac),
    ACF_F(al_D_al0),
    ACF_F(cl_D_cl0),
    ACF_F(cm_D_cm0),
    ACF_F(alpha_max),
    ACF_F(slat_effect),
    ACF_U(ailn, "", 0.0f, 1.0f, 0),
    ACF_F(ailnEQ),
    ACF_U(splr, "", 0.0f, 1.0f, 0),
    ACF_F(splrEQ),
    ACF_U(flap, "", 0.0f, 1.0f, 0),
    ACF_F(flapEQ),
    ACF_U(slat, "", 0.0f, 1.0f, 0),
    ACF_F(slatEQ),
    ACF_U(sbrk, "", 0.0f, 1.0f, 0),
    ACF_F(sbrkEQ),
    ACF_U(drud, "", 0.0f, 1.0f, 0),
    ACF_F(drudEQ),
    ACF_U(elev, "", 0.0f, 1.0f, 0),
    ACF_F(elevEQ),
    ACF_U(rudd, "", 0.0f, 1.0f, 0),
    ACF_F(ruddEQ),
    ACF_U(slat_inc, "deg", -90.0f, 90.0f, 1),
    ACF_U(hstbtrimmax, "deg", 0.0f, 90.0f, 1),
    ACF_U(con_smooth, "", 0.0f, 3.0f, 0),
    ACF_U(hstabtype, "", 0.0f, 1.0f, 0),
    ACF_U(flap_str, "", 0.0f, 0.0f, 0),
    ACF_F(clflap),
    ACF_F(cdflap),
    ACF_F(cmflap),
    ACF_U(puffEQ, "", 0.0f, 1.0f, 0),
    ACF_U(fbrkEQ, "", 0.0f, 1.0f, 0),
    ACF_U(chuteEQ, "", 0.0f, 1.0f, 0),
    ACF_U(jatoEQ, "", 0.0f, 1.0f, 0),
    ACF_U(collectEQ, "", 0.0f, 1.0f, 0),
    ACF_U(jettisonEQ, "", 0.0f, 1.0f, 0),
    ACF_U(ailn_crat, "", 0.0f, 1.0f, 2),
    ACF_U(ailn_up, "deg", 0.0f, 90.0f, 1),
    ACF_U(ailn_dn, "deg", 0.0f, 90.0f, 1),
    ACF_U(elev_crat, "", 0.0f, 1.0f, 2),
    ACF_U(elev_up, "deg", 0.0f, 90.0f, 1),
    ACF_U(elev_dn, "deg", 0.0f, 90.0f, 1),
    ACF_U(rudd_crat, "", 0.0f, 1.0f, 2),
    ACF_U(rudd_def, "deg", 0.0f, 90.0f, 1),
    ACF_U(splr_crat, "", 0.0f, 1.0f, 2),
    ACF_U(splr_def, "deg", 0.0f, 90.0f, 1),
    ACF_U(drud_crat, "", 0.0f, 1.0f, 2),
    ACF_U(drud_def, "deg", 0.0f, 90.0f, 1),
    ACF_U(sbrk_crat, "", 0.0f, 1.0f, 2),
    ACF_U(sbrk_def, "deg", 0.0f, 90.0f, 1),
    ACF_U(fusewash, "", 0.0f, 1.0f, 0),
    ACF_U(fuse_cd, "", 0.0f, 9.999f, 3),
    ACF_F(fuseYcent),
    ACF_F(fuseZcent),
    ACF_F(fuse_s_frn),
    ACF_F(fuse_s_sid),
    ACF_F(fuse_s_top),
    ACF_U(nace_eq, "", 0.0f, 1.0f, 0),
    ACF_F(nace_s),
    ACF_U(misc_eq, "", 0.0f, 1.0f, 0),
    ACF_F(misc_s),
    ACF_U(misc_X, "ft", -999.99f, 999.99f, 2),
    ACF_U(misc_Y, "ft", -999.99f, 999.99f, 2),
    ACF_U(misc_Z, "ft", -999.99f, 999.99f, 2),
    ACF_U(fair_eq, "", 0.0f, 1.0f, 0),
    ACF_F(fair_s),
    ACF_F(body_r),
    ACF_U(body_X, "ft", -999.99f, 999.99f, 2),
    ACF_U(body_Y, "ft", -999.99f, 999.99f, 2),
    ACF_U(body_Z, "ft", -999.99f, 999.99f, 2),
    ACF_U(cgZ, "ft", -999.99f, 999.99f, 2),
    ACF_U(cgY, "ft", -999.99f, 999.99f, 2),
    ACF_F(Jxx_unitmass),
    ACF_F(Jyy_unitmass),
    ACF_F(Jzz_unitmass),
    ACF_U(m_empty, "lb", 0.0f, 999999.0f, 0),
    ACF_U(m_max, "lb", 0.0f, 999999.0f, 0),
    ACF_U(m_fuel, "lb", 0.0f, 999999.0f, 0),
    ACF_U(m_jettison, "lb", 0.0f, 999999.0f, 0),
    ACF_U(gear_type, "", 1.0f, 6.0f, 0),
    ACF_U(gear_retract, "", 0.0f, 1.0f, 0),
    ACF_U(nwsteer, "deg", 0.0f, 90.0f, 1),
    ACF_F(h_eqlbm),
    ACF_F(the_eqlbm),
    ACF_U(skidX, "ft", -999.99f, 999.99f, 2),
    ACF_U(skidY, "ft", -999.99f, 999.99f, 2),
    ACF_U(skidZ, "ft", -999.99f, 999.99f, 2),
    ACF_U(skidl, "ft", 0.0f, 999.99f, 2),
    ACF_U(ngearZ, "ft", -999.99f, 999.99f, 2),
    ACF_U(ngearY, "ft", -999.99f, 999.99f, 2),
    ACF_U(mgearZ, "ft", -999.99f, 999.99f, 2),
    ACF_U(mgearX, "ft", -999.99f, 999.99f, 2),
    ACF_U(mgearY, "ft", -999.99f, 999.99f, 2),
    ACF_U(ngearZ_att, "ft", -999.99f, 999.99f, 2),
    ACF_U(ngearY_att, "ft", -999.99f, 999.99f, 2),
    ACF_U(mgearZ_att, "ft", -999.99f, 999.99f, 2),
    ACF_U(mgearX_att, "ft", -999.99f, 999.99f, 2),
    ACF_U(mgearY_att, "ft", -999.99f, 999.99f, 2),
    ACF_U(ngearcon, "N/m", 0.0f, 9999999.0f, 0),
    ACF_U(ngeardmp, "N-s/m", 0.0f, 9999999.0f, 0),
    ACF_U(mgearcon, "N/m", 0.0f, 9999999.0f, 0),
    ACF_U(mgeardmp, "N-s/m", 0.0f, 9999999.0f, 0),
    ACF_U(skidcon, "N/m", 0.0f, 9999999.0f, 0),
    ACF_U(skiddmp, "N-s/m", 0.0f, 9999999.0f, 0),
    ACF_U(wheelrad, "ft", 0.0f, 99.99f, 2),
    ACF_U(geardef, "ft", -99.99f, 99.99f, 2),
    ACF_U(gear_stat, "", 0.0f, 1.0f, 0),
    ACF_U(jatoZ, "ft", -999.99f, 999.99f, 2),
    ACF_U(jatoY, "ft", -999.99f, 999.99f, 2),
    ACF_U(jatotheta, "deg", -180.0f, 180.0f, 1),
    ACF_U(jatothrust, "lb", 0.0f, 999999.0f, 0),
    ACF_U(jatodur, "s", 0.0f, 999.9f, 1),
    ACF_U(stabroll, "", -99.99f, 99.99f, 2),
    ACF_U(stabhdng, "", -99.99f, 99.99f, 2),
    ACF_U(ailpitch, "", -99.99f, 99.99f, 2),
    ACF_U(ailflaps, "", -99.99f, 99.99f, 2),
    ACF_U(antiiceEQ, "", 0.0f, 1.0f, 0),
    ACF_U(arrestingEQ, "", 0.0f, 1.0f, 0),
    ACF_U(bitchinbettyEQ, "", 0.0f, 1.0f, 0),
    ACF_U(autosbrkEQ, "", 0.0f, 1.0f, 0),
    ACF_U(autofbrkEQ, "", 0.0f, 1.0f, 0),
    ACF_U(autosweepEQ, "", 0.0f, 1.0f, 0),
    ACF_U(brake_area, "ft^2", 0.0f, 9999.9f, 1),
    ACF_U(chute_area, "ft^2", 0.0f, 9999.9f, 1),
    ACF_U(elevcyclic, "deg", 0.0f, 90.0f, 1),
    ACF_U(ailncyclic, "deg", 0.0f, 90.0f, 1),
    ACF_U(puffL, "ft-lb", 0.0f, 999999.0f, 0),
    ACF_U(puffM, "ft-lb", 0.0f, 999999.0f, 0),
    ACF_U(puffN, "ft-lb", 0.0f, 999999.0f, 0),
    ACF_U(AShiV, "kts", 0.0f, 2000.0f, 0),
    ACF_U(ASloV, "kts", 0.0f, 2000.0f, 0),
    ACF_U(ASmaxp1, "deg", -99.99f, 99.99f, 2),
    ACF_U(ASp1, "", -99.99f, 99.99f, 2),
    ACF_U(ASmaxp2, "deg", -99.99f, 99.99f, 2),
    ACF_U(ASp2, "", -99.99f, 99.99f, 2),
    ACF_U(ASmaxh1, "deg", -99.99f, 99.99f, 2),
    ACF_U(ASh1, "", -99.99f, 99.99f, 2),
    ACF_U(ASmaxh2, "deg", -99.99f, 99.99f, 2),
    ACF_U(ASh2, "", -99.99f, 99.99f, 2),
    ACF_U(ASmaxr1, "deg", -99.99f, 99.99f, 2),
    ACF_U(ASr1, "", -99.99f, 99.99f, 2),
    ACF_U(ASmaxr2, "deg", -99.99f, 99.99f, 2),
    ACF_U(ASr2, "", -99.99f, 99.99f, 2),
};

#undef ACF_F
#undef ACF_U

const int acf_num_fields = static_cast<int>(sizeof(acf_fields) / sizeof(acf_fields[0]));

const acf_field* acf_find_field(const char* name)
{
    if (!name) return nullptr;
    for (int i = 0; i < acf_num_fields; ++i)
        if (std::strcmp(acf_fields[i].name, name) == 0) return &acf_fields[i];
    return nullptr;
}

void* acf_elem_ptr(planestruct& p, const acf_field* f, std::size_t index)
{
    if (!f || index >= f->count) return nullptr;
    return reinterpret_cast<char*>(&p) + f->offset + index * f->elem_size;
}

const void* acf_elem_ptr(const planestruct& p, const acf_field* f, std::size_t index)
{
    if (!f || index >= f->count) return nullptr;
    return reinterpret_cast<const char*>(&p) + f->offset + index * f->elem_size;
}

long acf_flat_index(const acf_field* f, int i, int j, int k)
{
    if (!f) return -1;
    const int idx[3] = {i, j, k};
    long flat = 0;
    for (int d = 0; d < 3; ++d) {
        const int ext = d < f->rank ? f->dims[d] : 1;
        if (idx[d] < 0 || idx[d] >= ext) return -1;
        flat = flat * ext + idx[d];
    }
    return flat;
}

void rev_pln_bytes(planestruct& p)
{
    unsigned char* base = reinterpret_cast<unsigned char*>(&p);
    for (int i = 0; i < acf_num_fields; ++i) {
        const acf_field& f = acf_fields[i];
        if (f.type == ACF_CHAR) continue;
        unsigned char* b = base + f.offset;
        for (std::size_t n = 0; n < f.count; ++n, b += 4) {
            unsigned char t0 = b[0], t1 = b[1];
            b[0] = b[3]; b[1] = b[2]; b[2] = t1; b[3] = t0;
        }
    }
}

}  // namespace orv
