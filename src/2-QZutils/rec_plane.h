// rec_plane.h -- the aircraft record (also the body of the ".acf" file) and the
// airfoil tables of the loaded aircraft.
//
// The byte layout of planestruct IS the file format: fields in file order, every numeric
// field 4 bytes, every text area a multiple of 4 bytes, so the natural layout has no
// padding (the static_asserts below and the field table in acf_fields.h hold it there).
// The number after each field is its byte offset in the file (record offset + 5).
// Values are stored in feet, pounds, horsepower and degrees; after load_plane they are
// SI with the centre of gravity as origin.
#pragma once

#include <cstddef>

namespace orv {

constexpr int ACF_VERSION = 46;
constexpr int ACF_HEADER_BYTES = 5;          // mark byte + 4-byte version
constexpr int ACF_RECORD_BYTES = 189548;
constexpr int ACF_FILE_BYTES = ACF_HEADER_BYTES + ACF_RECORD_BYTES;

constexpr int NUM_PARTS = 28;                // fixed part list, see acf_parts.h
constexpr int MAX_ELS = 8;                   // elements per lifting part
constexpr int NUM_ENGINES = 4;
constexpr int BODY_STATIONS = 18;
constexpr int BODY_POINTS = 16;
constexpr int FLAP_SETTINGS = 51;
constexpr int ACF_STR = 400;

struct planestruct {
    char  C_file[400];                      //      5  file name of the aircraft (NUL-terminated); overwritten at load with the name actually opened
    char  C_name[400];                      //    405  display name; at load set from the file name
    char  C_path[400];                      //    805  full path of the aircraft file; overwritten at load
    int   is_heli;                          //   1205  1 = helicopter (parts 0 and 1 are main and tail rotor), 0 = fixed wing
    int   us_alt;                           //   1209  panel option flag
    char  tailnum[400];                     //   1213  tail number text (NUL-terminated)
    int   asi_units;                        //   1613  airspeed-indicator units selector; a valid file holds 1 or 2 (also the byte-order probe)
    float Vso;                              //   1617  stall speed, landing configuration (indicated airspeed)
    float Vs;                               //   1621  stall speed, clean
    float Vfe;                              //   1625  maximum flap-extended speed
    float Vno;                              //   1629  maximum structural cruising speed; must not be 0
    float Vne;                              //   1633  never-exceed speed; must not be 0
    float Mmo;                              //   1637  maximum operating Mach number
    float peX;                              //   1641  pilot eye point, lateral (ft in file)
    float peY;                              //   1645  pilot eye point, vertical (ft in file; made CG-relative at load)
    float peZ;                              //   1649  pilot eye point, longitudinal (ft in file; made CG-relative at load)
    int   paneltype;                        //   1653  instrument panel type
    int   radiotype;                        //   1657  radio stack type
    int   AStype;                           //   1661  control-augmentation type
    int   supptype;                         //   1665  equipment option (glass panel excludes two of its values)
    int   HUDtype;                          //   1669  head-up display type
    int   VVItype;                          //   1673  vertical-speed indicator type
    int   ecam;                             //   1677  engine display option
    int   tape;                             //   1681  tape-instrument option
    int   cp;                               //   1685  panel option
    float ASpwr;                            //   1689  airspeed-indicator scale exponent (recomputed at load)
    float Vmin;                             //   1693  airspeed-indicator scale minimum (recomputed at load)
    float Vmax;                             //   1697  airspeed-indicator scale maximum (recomputed at load)
    int   gsx1;                             //   1701  panel layout value (gauge strip x1)
    int   gsx2;                             //   1705  panel layout value (gauge strip x2)
    int   gsw;                              //   1709  panel layout value (gauge strip width)
    int   gsy1;                             //   1713  panel layout value (gauge strip y1)
    int   gsyc;                             //   1717  panel layout value (gauge strip y centre)
    int   gsy2;                             //   1721  panel layout value (gauge strip y2)
    int   ah_dim_int;                       //   1725  attitude-indicator size (pixels)
    int   ah_semidim_int;                   //   1729  attitude-indicator half size (pixels)
    float ah_semidim_flt;                   //   1733  attitude-indicator half size as float
    int   ah_top_prim;                      //   1737  attitude-indicator drawing bound
    int   ah_top_roll;                      //   1741  attitude-indicator drawing bound
    int   ah_bot_prim;                      //   1745  attitude-indicator drawing bound
    int   ah_bot_roll;                      //   1749  attitude-indicator drawing bound
    int   ahx1_prim[118];                   //   1753  attitude-indicator per-row clip table
    int   ahx1_roll[118];                   //   2225  attitude-indicator per-row clip table
    int   ahx2_prim[118];                   //   2697  attitude-indicator per-row clip table
    int   ahx2_roll[118];                   //   3169  attitude-indicator per-row clip table
    int   has_ins[9];                       //   3641  per panel slot: instrument present flag (9 slots)
    int   ins_of_loc[9];                    //   3677  per panel slot: instrument kind in that slot (9 slots)
    int   ff_hydraulic;                     //   3713  force-feedback option: hydraulic controls
    int   ff_stickshaker;                   //   3717  force-feedback option: stick shaker
    int   entype;                           //   3721  engine type 0..5; 4 and 5 are the two jet types (no propellers)
    int   revthrustEQ;                      //   3725  reverse thrust fitted
    int   numen;                            //   3729  number of engines, 0..4
    float sfc;                              //   3733  specific fuel consumption
    float pmax;                             //   3737  maximum power per engine (hp in file, W after load)
    float gearrat;                          //   3741  propeller gear ratio (engine rpm / propeller rpm)
    float critalt;                          //   3745  critical altitude (ft in file)
    float mpmax;                            //   3749  maximum manifold pressure (in Hg); must not be 0 for piston engines
    float omegamin;                         //   3753  engine idle speed (rpm in file; rad/s at the propeller after load)
    float omegamax;                         //   3757  engine maximum speed (rpm in file; rad/s at the propeller after load)
    float omegamingreen;                    //   3761  lower end of the green arc (rpm in file)
    float omegamaxgreen;                    //   3765  upper end of the green arc (rpm in file)
    float tmax;                             //   3769  maximum jet thrust per engine (lb in file, N after load)
    float burnerinc;                        //   3773  afterburner thrust increment (lb in file, N after load)
    float facejet;                          //   3777  jet inlet face area (ft² in file)
    float spooltime;                        //   3781  engine spool-up time (s)
    int   vectEQ;                           //   3785  thrust vectoring fitted
    int   varpitchEQ;                       //   3789  variable-pitch propeller fitted
    float vectarm;                          //   3793  vectoring moment arm (ft in file)
    float pylondx;                          //   3797  pylon lateral offset
    float pylondz;                          //   3801  pylon longitudinal offset
    float trotor_rat;                       //   3805  tail-rotor to main-rotor speed ratio
    int   propdir[4];                       //   3809  per engine: propeller turning direction (+1 / -1)
    float numblades[4];                     //   3825  per engine: number of blades (float)
    float minpitch[4];                      //   3841  per engine: minimum blade pitch (deg)
    float maxpitch[4];                      //   3857  per engine: maximum blade pitch (deg)
    float sidecant[4];                      //   3873  per engine: sideways cant of the thrust line (deg)
    float vertcant[4];                      //   3889  per engine: vertical cant of the thrust line (deg)
    float miprop[4];                        //   3905  per engine: propeller moment of inertia
    float discarea[4];                      //   3921  per engine: propeller disc area (computed at load)
    float ringarea[4][8];                   //   3937  per engine, per ring: area of each of 8 disc rings (computed at load)
    float des_adv[4];                       //   4065  per engine: design advance ratio
    float des_rpm[4];                       //   4081  per engine: design rpm
    float des_vel[4];                       //   4097  per engine: design speed
    char  Rafl0[28][400];                   //   4113  per part: root airfoil file name, low Reynolds number
    char  Rafl1[28][400];                   //  15313  per part: root airfoil file name, high Reynolds number
    char  Tafl0[28][400];                   //  26513  per part: tip airfoil file name, low Reynolds number
    char  Tafl1[28][400];                   //  37713  per part: tip airfoil file name, high Reynolds number
    int   els[28];                          //  48913  per part: number of elements the surface is cut into (at most 8)
    float Xarm[28];                         //  49025  per part: lateral position of the root (ft in file)
    float Yarm[28];                         //  49137  per part: vertical position of the root (ft in file)
    float Zarm[28];                         //  49249  per part: longitudinal position of the root (ft in file)
    float Croot[28];                        //  49361  per part: root chord (ft in file)
    float Ctip[28];                         //  49473  per part: tip chord (ft in file)
    float semilen[28];                      //  49585  per part: semi-span (ft in file)
    float sweep1[28];                       //  49697  per part: sweep angle (deg, wrapped to -180..180 at load)
    float sweep2[28];                       //  49809  per part: second (swept-back) sweep angle for variable sweep (deg)
    float sweepnow[28];                     //  49921  per part: current sweep (set at load)
    int   varsweepEQ[28];                   //  50033  per part: variable sweep fitted
    float dihed[28];                        //  50145  per part: dihedral (deg, wrapped to -180..180 at load)
    float anginc[28][8];                    //  50257  per part, per element: incidence (deg)
    int   in_downwash[28][28][8];           //  51153  [part receiving][part causing][element]: 1 = element lies in the downwash of that part, computed at load
    int   in_propwash[28][4][8];            //  76241  [part][engine][element]: 1 = element lies in the propwash of that engine, computed at load
    float spec_wash[28];                    //  79825  per part: downwash per unit lift coefficient (degrees), computed at load
    float lo_washdir[28][4];                //  79937  [part][engine]: lower bound of the propwash direction window (degrees), computed at load
    float hi_washdir[28][4];                //  80385  [part][engine]: upper bound of the propwash direction window (degrees), computed at load
    float max_washdir[28][4];               //  80833  [part][engine]: propwash direction of full wash (degrees), computed at load
    float s[28][8];                         //  81281  per part, per element: element area (computed at load)
    float mac[28][8];                       //  82177  per part, per element: element mean chord (computed at load)
    float AR[28];                           //  83073  per part: aspect ratio (computed at load)
    float e[28];                            //  83185  per part: Oswald efficiency (computed at load)
    float delta_fac[28];                    //  83297  per part: finite-wing factor on drag divergence (computed at load)
    float al_D_al0[28];                     //  83409  per part: finite-wing angle-of-attack stretch (computed at load)
    float cl_D_cl0[28];                     //  83521  per part: finite-wing lift-slope ratio (computed at load)
    float cm_D_cm0[28];                     //  83633  per part: finite-wing moment ratio (computed at load)
    float alpha_max[28];                    //  83745  per part: stalling angle (computed at load)
    float slat_effect[28];                  //  83857  per part: slat effect (computed at load)
    int   ailn[28][8];                      //  83969  per part, per element: 1 = element carries aileron
    int   ailnEQ;                           //  84865  ailerons fitted (set at load from the element flags)
    int   splr[28][8];                      //  84869  per part, per element: 1 = spoiler
    int   splrEQ;                           //  85765  spoilers fitted
    int   flap[28][8];                      //  85769  per part, per element: 1 = flap
    int   flapEQ;                           //  86665  flaps fitted
    int   slat[28][8];                      //  86669  per part, per element: 1 = slat
    int   slatEQ;                           //  87565  slats fitted
    int   sbrk[28][8];                      //  87569  per part, per element: 1 = speed brake
    int   sbrkEQ;                           //  88465  speed brakes fitted
    int   drud[28][8];                      //  88469  per part, per element: 1 = drag rudder
    int   drudEQ;                           //  89365  drag rudders fitted
    int   elev[28][8];                      //  89369  per part, per element: 1 = elevator
    int   elevEQ;                           //  90265  elevators fitted
    int   rudd[28][8];                      //  90269  per part, per element: 1 = rudder
    int   ruddEQ;                           //  91165  rudders fitted
    float slat_inc;                         //  91169  slat incidence change at full deployment (deg)
    float hstbtrimmax;                      //  91173  stabiliser trim range (deg); must be 0 for a stabilator
    int   con_smooth;                       //  91177  control smoothing option
    int   hstabtype;                        //  91181  tail type: 0 stabiliser, 1 stabilator
    char  flap_str[400];                    //  91185  flap file name (read from the flaps folder)
    float clflap[51];                       //  91585  flap lift-coefficient increment table (51 entries, filled from the flap file)
    float cdflap[51];                       //  91789  flap drag-coefficient increment table (51 entries)
    float cmflap[51];                       //  91993  flap moment-coefficient increment table (51 entries)
    int   puffEQ;                           //  92197  reaction puffers fitted
    int   fbrkEQ;                           //  92201  wheel brakes fitted
    int   chuteEQ;                          //  92205  drag chute fitted
    int   jatoEQ;                           //  92209  rocket-assisted take-off fitted
    int   collectEQ;                        //  92213  collective control fitted
    int   jettisonEQ;                       //  92217  jettisonable load fitted
    float ailn_crat;                        //  92221  aileron chord ratio
    float ailn_up;                          //  92225  aileron up travel (deg)
    float ailn_dn;                          //  92229  aileron down travel (deg)
    float elev_crat;                        //  92233  elevator chord ratio
    float elev_up;                          //  92237  elevator up travel (deg)
    float elev_dn;                          //  92241  elevator down travel (deg)
    float rudd_crat;                        //  92245  rudder chord ratio
    float rudd_def;                         //  92249  rudder travel (deg)
    float splr_crat;                        //  92253  spoiler chord ratio
    float splr_def;                         //  92257  spoiler travel (deg)
    float drud_crat;                        //  92261  drag-rudder chord ratio
    float drud_def;                         //  92265  drag-rudder travel (deg)
    float sbrk_crat;                        //  92269  speed-brake chord ratio
    float sbrk_def;                         //  92273  speed-brake travel (deg)
    int   fusewash;                         //  92277  1 = fuselage lies in the propwash
    float fuse_cd;                          //  92281  fuselage drag coefficient
    float fuseYcent;                        //  92285  fuselage vertical centroid (computed at load)
    float fuseZcent;                        //  92289  fuselage longitudinal centroid (computed at load)
    float fuse_s_frn;                       //  92293  fuselage frontal area (computed at load)
    float fuse_s_sid;                       //  92297  fuselage side area (computed at load)
    float fuse_s_top;                       //  92301  fuselage top area (computed at load)
    int   nace_eq;                          //  92305  engine nacelles fitted
    float nace_s;                           //  92309  nacelle frontal area each (computed at load)
    int   misc_eq;                          //  92313  miscellaneous bodies (fuel tanks/floats) fitted
    float misc_s;                           //  92317  misc body frontal area (computed at load)
    float misc_X;                           //  92321  misc body lateral position (ft in file)
    float misc_Y;                           //  92325  misc body vertical position (ft in file)
    float misc_Z;                           //  92329  misc body longitudinal position (ft in file)
    int   fair_eq;                          //  92333  wheel fairings fitted
    float fair_s;                           //  92337  wheel fairing frontal area (computed at load)
    float body_r[28];                       //  92341  per part: body radius (computed at load)
    float body_X[28][18][16];               //  92453  [part][station 18][point 16]: body cross-section point, lateral (ft in file)
    float body_Y[28][18][16];               // 124709  [part][station 18][point 16]: body cross-section point, vertical (ft in file)
    float body_Z[28][18][16];               // 156965  [part][station 18][point 16]: body cross-section point, longitudinal (ft in file)
    float cgZ;                              // 189221  centre of gravity, longitudinal (ft in file)
    float cgY;                              // 189225  centre of gravity, vertical (ft in file)
    float Jxx_unitmass;                     // 189229  moment of inertia per unit mass about the lateral axis (pitch), m², computed at load
    float Jyy_unitmass;                     // 189233  moment of inertia per unit mass about the vertical axis (yaw), computed at load
    float Jzz_unitmass;                     // 189237  moment of inertia per unit mass about the longitudinal axis (roll), computed at load
    float m_empty;                          // 189241  empty mass (lb in file, kg after load); must not be 0 nor above m_max
    float m_max;                            // 189245  maximum mass (lb in file); must not be 0
    float m_fuel;                           // 189249  fuel mass (lb in file)
    float m_jettison;                       // 189253  jettisonable mass (lb in file)
    int   gear_type;                        // 189257  undercarriage type: 2 = skids, 3 and above = wheels (nose and two mains)
    int   gear_retract;                     // 189261  1 = retractable gear
    float nwsteer;                          // 189265  nose-wheel steering angle
    float h_eqlbm;                          // 189269  equilibrium height on the gear
    float the_eqlbm;                        // 189273  equilibrium pitch on the gear
    float skidX;                            // 189277  skid lateral position (ft in file)
    float skidY;                            // 189281  skid vertical position (ft in file)
    float skidZ;                            // 189285  skid longitudinal position (ft in file)
    float skidl;                            // 189289  skid length (ft in file)
    float ngearZ;                           // 189293  nose gear longitudinal position (ft in file)
    float ngearY;                           // 189297  nose gear vertical position (ft in file)
    float mgearZ;                           // 189301  main gear longitudinal position (ft in file)
    float mgearX;                           // 189305  main gear lateral half-track (ft in file)
    float mgearY;                           // 189309  main gear vertical position (ft in file)
    float ngearZ_att;                       // 189313  nose gear attachment, longitudinal (ft in file)
    float ngearY_att;                       // 189317  nose gear attachment, vertical (ft in file)
    float mgearZ_att;                       // 189321  main gear attachment, longitudinal (ft in file)
    float mgearX_att;                       // 189325  main gear attachment, lateral (ft in file)
    float mgearY_att;                       // 189329  main gear attachment, vertical (ft in file)
    float ngearcon;                         // 189333  nose gear spring constant
    float ngeardmp;                         // 189337  nose gear damping
    float mgearcon;                         // 189341  main gear spring constant
    float mgeardmp;                         // 189345  main gear damping
    float skidcon;                          // 189349  skid spring constant
    float skiddmp;                          // 189353  skid damping
    float wheelrad;                         // 189357  wheel radius (ft in file)
    float geardef[9];                       // 189361  gear leg values (9) that lower the fairing and skid body positions
    int   gear_stat[3];                     // 189397  per gear leg (nose, left main, right main): leg present
    float jatoZ;                            // 189409  rocket longitudinal position (ft in file)
    float jatoY;                            // 189413  rocket vertical position (ft in file)
    float jatotheta;                        // 189417  rocket thrust angle (deg)
    float jatothrust;                       // 189421  rocket thrust (lb in file)
    float jatodur;                          // 189425  rocket burn duration (s)
    float stabroll;                         // 189429  control value
    float stabhdng;                         // 189433  control value
    float ailpitch;                         // 189437  control mixing value
    float ailflaps;                         // 189441  control mixing value
    int   antiiceEQ;                        // 189445  equipment flag (anti-ice)
    int   arrestingEQ;                      // 189449  equipment flag (arresting gear)
    int   bitchinbettyEQ;                   // 189453  equipment flag
    int   autosbrkEQ;                       // 189457  automatic speed brakes fitted
    int   autofbrkEQ;                       // 189461  automatic wheel brakes fitted
    int   autosweepEQ;                      // 189465  automatic wing sweep fitted
    float brake_area;                       // 189469  speed-brake area (ft² in file)
    float chute_area;                       // 189473  drag-chute area (ft² in file)
    float elevcyclic;                       // 189477  pitch cyclic range (deg)
    float ailncyclic;                       // 189481  roll cyclic range (deg)
    float puffL;                            // 189485  puffer roll moment (ft·lb in file)
    float puffM;                            // 189489  puffer pitch moment (ft·lb in file)
    float puffN;                            // 189493  puffer yaw moment (ft·lb in file)
    float AShiV;                            // 189497  control-augmentation high-speed end
    float ASloV;                            // 189501  control-augmentation low-speed end
    float ASmaxp1;                          // 189505  control-augmentation pitch limit 1
    float ASp1;                             // 189509  control-augmentation pitch gain 1
    float ASmaxp2;                          // 189513  control-augmentation pitch limit 2
    float ASp2;                             // 189517  control-augmentation pitch gain 2
    float ASmaxh1;                          // 189521  control-augmentation heading limit 1
    float ASh1;                             // 189525  control-augmentation heading gain 1
    float ASmaxh2;                          // 189529  control-augmentation heading limit 2
    float ASh2;                             // 189533  control-augmentation heading gain 2
    float ASmaxr1;                          // 189537  control-augmentation roll limit 1
    float ASr1;                             // 189541  control-augmentation roll gain 1
    float ASmaxr2;                          // 189545  control-augmentation roll limit 2
    float ASr2;                             // 189549  control-augmentation roll gain 2
};

static_assert(sizeof(planestruct) == ACF_RECORD_BYTES, "aircraft record must match the file");
static_assert(offsetof(planestruct, ASr2) == ACF_RECORD_BYTES - 4, "aircraft record has padding");

// Airfoil tables of the loaded aircraft: [part][0 root, 1 tip][0 low Re, 1 high Re].
// clpos/clneg hold angle indices 100..270 (stored at index - 100), cdpos/cdneg 0..270.
constexpr int AFL_CL_N = 171;
constexpr int AFL_CD_N = 271;

struct airfoilstruct {
    float trat[NUM_PARTS][2][2];             // thickness ratio
    float Re[NUM_PARTS][2][2];               // Reynolds number, millions
    float al_zl[NUM_PARTS][2][2];            // zero-lift angle, degrees
    float clM[NUM_PARTS][2][2];              // lift-curve slope, per degree
    float clB[NUM_PARTS][2][2];              // lift-curve intercept
    float cmal2[NUM_PARTS][2][2];
    float cmal3[NUM_PARTS][2][2];
    float cm1[NUM_PARTS][2][2];
    float cm2[NUM_PARTS][2][2];
    float cm3[NUM_PARTS][2][2];
    float cm4[NUM_PARTS][2][2];
    float clpos[NUM_PARTS][2][2][AFL_CL_N];
    float clneg[NUM_PARTS][2][2][AFL_CL_N];
    float cdpos[NUM_PARTS][2][2][AFL_CD_N];
    float cdneg[NUM_PARTS][2][2][AFL_CD_N];
};

}  // namespace orv
