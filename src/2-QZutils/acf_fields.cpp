// acf_fields.cpp -- the field table of the aircraft record.
#include "2-QZutils/acf_fields.h"

#include <cstring>
#include <type_traits>

namespace orv {

namespace {

template <class T>
constexpr acf_field make_field(const char* name, std::size_t offset)
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
    return f;
}

}  // namespace

#define ACF_F(n) make_field<decltype(planestruct::n)>(#n, offsetof(planestruct, n))

const acf_field acf_fields[] = {
    ACF_F(C_file),
    ACF_F(C_name),
    ACF_F(C_path),
    ACF_F(is_heli),
    ACF_F(us_alt),
    ACF_F(tailnum),
    ACF_F(asi_units),
    ACF_F(Vso),
    ACF_F(Vs),
    ACF_F(Vfe),
    ACF_F(Vno),
    ACF_F(Vne),
    ACF_F(Mmo),
    ACF_F(peX),
    ACF_F(peY),
    ACF_F(peZ),
    ACF_F(paneltype),
    ACF_F(radiotype),
    ACF_F(AStype),
    ACF_F(supptype),
    ACF_F(HUDtype),
    ACF_F(VVItype),
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
    ACF_F(has_ins),
    ACF_F(ins_of_loc),
    ACF_F(ff_hydraulic),
    ACF_F(ff_stickshaker),
    ACF_F(entype),
    ACF_F(revthrustEQ),
    ACF_F(numen),
    ACF_F(sfc),
    ACF_F(pmax),
    ACF_F(gearrat),
    ACF_F(critalt),
    ACF_F(mpmax),
    ACF_F(omegamin),
    ACF_F(omegamax),
    ACF_F(omegamingreen),
    ACF_F(omegamaxgreen),
    ACF_F(tmax),
    ACF_F(burnerinc),
    ACF_F(facejet),
    ACF_F(spooltime),
    ACF_F(vectEQ),
    ACF_F(varpitchEQ),
    ACF_F(vectarm),
    ACF_F(pylondx),
    ACF_F(pylondz),
    ACF_F(trotor_rat),
    ACF_F(propdir),
    ACF_F(numblades),
    ACF_F(minpitch),
    ACF_F(maxpitch),
    ACF_F(sidecant),
    ACF_F(vertcant),
    ACF_F(miprop),
    ACF_F(discarea),
    ACF_F(ringarea),
    ACF_F(des_adv),
    ACF_F(des_rpm),
    ACF_F(des_vel),
    ACF_F(Rafl0),
    ACF_F(Rafl1),
    ACF_F(Tafl0),
    ACF_F(Tafl1),
    ACF_F(els),
    ACF_F(Xarm),
    ACF_F(Yarm),
    ACF_F(Zarm),
    ACF_F(Croot),
    ACF_F(Ctip),
    ACF_F(semilen),
    ACF_F(sweep1),
    ACF_F(sweep2),
    ACF_F(sweepnow),
    ACF_F(varsweepEQ),
    ACF_F(dihed),
    ACF_F(anginc),
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
    ACF_F(ailn),
    ACF_F(ailnEQ),
    ACF_F(splr),
    ACF_F(splrEQ),
    ACF_F(flap),
    ACF_F(flapEQ),
    ACF_F(slat),
    ACF_F(slatEQ),
    ACF_F(sbrk),
    ACF_F(sbrkEQ),
    ACF_F(drud),
    ACF_F(drudEQ),
    ACF_F(elev),
    ACF_F(elevEQ),
    ACF_F(rudd),
    ACF_F(ruddEQ),
    ACF_F(slat_inc),
    ACF_F(hstbtrimmax),
    ACF_F(con_smooth),
    ACF_F(hstabtype),
    ACF_F(flap_str),
    ACF_F(clflap),
    ACF_F(cdflap),
    ACF_F(cmflap),
    ACF_F(puffEQ),
    ACF_F(fbrkEQ),
    ACF_F(chuteEQ),
    ACF_F(jatoEQ),
    ACF_F(collectEQ),
    ACF_F(jettisonEQ),
    ACF_F(ailn_crat),
    ACF_F(ailn_up),
    ACF_F(ailn_dn),
    ACF_F(elev_crat),
    ACF_F(elev_up),
    ACF_F(elev_dn),
    ACF_F(rudd_crat),
    ACF_F(rudd_def),
    ACF_F(splr_crat),
    ACF_F(splr_def),
    ACF_F(drud_crat),
    ACF_F(drud_def),
    ACF_F(sbrk_crat),
    ACF_F(sbrk_def),
    ACF_F(fusewash),
    ACF_F(fuse_cd),
    ACF_F(fuseYcent),
    ACF_F(fuseZcent),
    ACF_F(fuse_s_frn),
    ACF_F(fuse_s_sid),
    ACF_F(fuse_s_top),
    ACF_F(nace_eq),
    ACF_F(nace_s),
    ACF_F(misc_eq),
    ACF_F(misc_s),
    ACF_F(misc_X),
    ACF_F(misc_Y),
    ACF_F(misc_Z),
    ACF_F(fair_eq),
    ACF_F(fair_s),
    ACF_F(body_r),
    ACF_F(body_X),
    ACF_F(body_Y),
    ACF_F(body_Z),
    ACF_F(cgZ),
    ACF_F(cgY),
    ACF_F(Jxx_unitmass),
    ACF_F(Jyy_unitmass),
    ACF_F(Jzz_unitmass),
    ACF_F(m_empty),
    ACF_F(m_max),
    ACF_F(m_fuel),
    ACF_F(m_jettison),
    ACF_F(gear_type),
    ACF_F(gear_retract),
    ACF_F(nwsteer),
    ACF_F(h_eqlbm),
    ACF_F(the_eqlbm),
    ACF_F(skidX),
    ACF_F(skidY),
    ACF_F(skidZ),
    ACF_F(skidl),
    ACF_F(ngearZ),
    ACF_F(ngearY),
    ACF_F(mgearZ),
    ACF_F(mgearX),
    ACF_F(mgearY),
    ACF_F(ngearZ_att),
    ACF_F(ngearY_att),
    ACF_F(mgearZ_att),
    ACF_F(mgearX_att),
    ACF_F(mgearY_att),
    ACF_F(ngearcon),
    ACF_F(ngeardmp),
    ACF_F(mgearcon),
    ACF_F(mgeardmp),
    ACF_F(skidcon),
    ACF_F(skiddmp),
    ACF_F(wheelrad),
    ACF_F(geardef),
    ACF_F(gear_stat),
    ACF_F(jatoZ),
    ACF_F(jatoY),
    ACF_F(jatotheta),
    ACF_F(jatothrust),
    ACF_F(jatodur),
    ACF_F(stabroll),
    ACF_F(stabhdng),
    ACF_F(ailpitch),
    ACF_F(ailflaps),
    ACF_F(antiiceEQ),
    ACF_F(arrestingEQ),
    ACF_F(bitchinbettyEQ),
    ACF_F(autosbrkEQ),
    ACF_F(autofbrkEQ),
    ACF_F(autosweepEQ),
    ACF_F(brake_area),
    ACF_F(chute_area),
    ACF_F(elevcyclic),
    ACF_F(ailncyclic),
    ACF_F(puffL),
    ACF_F(puffM),
    ACF_F(puffN),
    ACF_F(AShiV),
    ACF_F(ASloV),
    ACF_F(ASmaxp1),
    ACF_F(ASp1),
    ACF_F(ASmaxp2),
    ACF_F(ASp2),
    ACF_F(ASmaxh1),
    ACF_F(ASh1),
    ACF_F(ASmaxh2),
    ACF_F(ASh2),
    ACF_F(ASmaxr1),
    ACF_F(ASr1),
    ACF_F(ASmaxr2),
    ACF_F(ASr2),
};

#undef ACF_F

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
