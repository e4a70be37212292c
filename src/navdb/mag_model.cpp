// The arithmetic follows the model's public reference routine step for step, single precision
// included (library math in double, stored back to float, as that routine's C does), so that the
// whole-degree variations match the published model exactly at their rounding edges.
#include "navdb/mag_model.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "navdb/nav_records.h"
#include "navdb/navdb_text.h"

char wmm_cof_text[kWmmCofSlots][kWmmCofSlotChars];
RO_DEFINE_GLOBALS(MAG_MODEL_SCALARS)

namespace {

constexpr int kMaxDegree = 12;
constexpr int kDim = kMaxDegree + 1;

struct ModelState {
  int maxord;
  float c[kDim][kDim], cd[kDim][kDim], tc[kDim][kDim], dp[kDim][kDim], k[kDim][kDim];
  // Schmidt factors while loading; the same storage then holds the Legendre functions.
  float snorm[kDim * kDim];
  float sp[kDim], cp[kDim], fn[kDim], fm[kDim], pp[kDim];
  float a, b, re, a2, b2, c2, a4, b4, c4;
  float otime, oalt, olat, olon;
  float ct, st, r, ca, sa;  // spherical position of the last evaluated latitude and altitude
  MagModelInfo info;
};

ModelState model;

void LoadModel(int* max_degree) {
  ModelState& s = model;
  s.maxord = *max_degree < 1 ? 1 : (*max_degree > kMaxDegree ? kMaxDegree : *max_degree);
  float* p = s.snorm;
  s.sp[0] = 0.0f;
  s.cp[0] = p[0] = s.pp[0] = 1.0f;
  s.dp[0][0] = 0.0f;
  s.a = 6378.137f;
  s.b = 6356.7523142f;
  s.re = 6371.2f;
  s.a2 = s.a * s.a;
  s.b2 = s.b * s.b;
  s.c2 = s.a2 - s.b2;
  s.a4 = s.a2 * s.a2;
  s.b4 = s.b2 * s.b2;
  s.c4 = s.a4 - s.b4;
  s.c[0][0] = 0.0f;
  s.cd[0][0] = 0.0f;

  std::string_view tok[6];
  int header_tokens = wmm_cof_line_cnt > 0 ? SplitTokens(wmm_cof_text[0], tok, 2) : 0;
  s.info.epoch = header_tokens > 0 ? std::strtof(tok[0].data(), nullptr) : 0.0f;  // "%f%s"
  SetText(s.info.name, header_tokens > 1 ? tok[1] : std::string_view());

  for (int line = 1; line < wmm_cof_line_cnt && line < kWmmCofSlots; ++line) {
    const char* text = wmm_cof_text[line];
    if (std::strncmp(text, "9999", 4) == 0) break;
    if (SplitTokens(text, tok, 6) < 6) continue;
    int n = ParseLeadingInt(tok[0]);
    int m = ParseLeadingInt(tok[1]);
    if (n < 1 || n > kMaxDegree || m < 0 || m > n) continue;
    float values[4];
    for (int i = 0; i < 4; ++i) values[i] = std::strtof(tok[2 + i].data(), nullptr);
    s.c[m][n] = values[0];
    s.cd[m][n] = values[2];
    if (m != 0) {
      s.c[n][m - 1] = values[1];
      s.cd[n][m - 1] = values[3];
    }
  }

  // Schmidt semi-normalised to unnormalised coefficients.
  p[0] = 1.0f;
  s.fm[0] = 0.0f;
  for (int n = 1; n <= s.maxord; ++n) {
    p[n] = p[n - 1] * static_cast<float>(2 * n - 1) / static_cast<float>(n);
    int j = 2;
    for (int m = 0; m <= n; ++m) {
      s.k[m][n] = static_cast<float>((n - 1) * (n - 1) - m * m) / static_cast<float>((2 * n - 1) * (2 * n - 3));
      if (m > 0) {
        float flnmj = static_cast<float>((n - m + 1) * j) / static_cast<float>(n + m);
        p[n + m * kDim] = static_cast<float>(p[n + (m - 1) * kDim] * std::sqrt(static_cast<double>(flnmj)));
        j = 1;
        s.c[n][m - 1] = p[n + m * kDim] * s.c[n][m - 1];
        s.cd[n][m - 1] = p[n + m * kDim] * s.cd[n][m - 1];
      }
      s.c[m][n] = p[n + m * kDim] * s.c[m][n];
      s.cd[m][n] = p[n + m * kDim] * s.cd[m][n];
    }
    s.fn[n] = static_cast<float>(n + 1);
    s.fm[n] = static_cast<float>(n);
  }
  s.k[1][1] = 0.0f;
  s.otime = s.oalt = s.olat = s.olon = -1000.0f;
}

float Sqrtf(double x) { return static_cast<float>(std::sqrt(x)); }

void Evaluate(float alt, float glat, float glon, float time, float* dec, float* dip, float* ti, float* gv) {
  ModelState& s = model;
  float* p = s.snorm;
  float dt = time - s.info.epoch;
  float pi = 3.14159265359f;
  float dtr = static_cast<float>(pi / 180.0);
  float rlon = glon * dtr;
  float rlat = glat * dtr;
  float srlon = static_cast<float>(std::sin(static_cast<double>(rlon)));
  float srlat = static_cast<float>(std::sin(static_cast<double>(rlat)));
  float crlon = static_cast<float>(std::cos(static_cast<double>(rlon)));
  float crlat = static_cast<float>(std::cos(static_cast<double>(rlat)));
  float srlat2 = srlat * srlat;
  float crlat2 = crlat * crlat;
  s.sp[1] = srlon;
  s.cp[1] = crlon;

  bool new_position = alt != s.oalt || glat != s.olat;
  if (new_position) {
    // Geodetic to spherical coordinates.
    float q = Sqrtf(s.a2 - s.c2 * srlat2);
    float q1 = alt * q;
    float q2 = ((q1 + s.a2) / (q1 + s.b2)) * ((q1 + s.a2) / (q1 + s.b2));
    s.ct = static_cast<float>(srlat / std::sqrt(static_cast<double>(q2 * crlat2 + srlat2)));
    // Rounding can put ct a hair above 1 at the poles.
    double one_minus = 1.0 - static_cast<double>(s.ct * s.ct);
    s.st = Sqrtf(one_minus < 0.0 ? 0.0 : one_minus);
    float r2 = static_cast<float>(static_cast<double>(alt * alt) + 2.0 * q1 + (s.a4 - s.c4 * srlat2) / (q * q));
    s.r = Sqrtf(r2);
    float d = Sqrtf(s.a2 * crlat2 + s.b2 * srlat2);
    s.ca = (alt + d) / s.r;
    s.sa = s.c2 * crlat * srlat / (s.r * d);
  }
  if (glon != s.olon) {
    for (int m = 2; m <= s.maxord; ++m) {
      s.sp[m] = s.sp[1] * s.cp[m - 1] + s.cp[1] * s.sp[m - 1];
      s.cp[m] = s.cp[1] * s.cp[m - 1] - s.sp[1] * s.sp[m - 1];
    }
  }
  float ct = s.ct;
  float st = s.st;
  float aor = s.re / s.r;
  float ar = aor * aor;
  float br = 0.0f, bt = 0.0f, bp = 0.0f, bpp = 0.0f;
  for (int n = 1; n <= s.maxord; ++n) {
    ar = ar * aor;
    for (int m = 0; m <= n; ++m) {
      // Unnormalised associated Legendre functions and their derivatives by recursion.
      if (new_position) {
        if (n == m) {
          p[n + m * kDim] = st * p[n - 1 + (m - 1) * kDim];
          s.dp[m][n] = st * s.dp[m - 1][n - 1] + ct * p[n - 1 + (m - 1) * kDim];
        } else if (n == 1 && m == 0) {
          p[n + m * kDim] = ct * p[n - 1 + m * kDim];
          s.dp[m][n] = ct * s.dp[m][n - 1] - st * p[n - 1 + m * kDim];
        } else if (n > 1 && n != m) {
          if (m > n - 2) {
            p[n - 2 + m * kDim] = 0.0f;
            s.dp[m][n - 2] = 0.0f;
          }
          p[n + m * kDim] = ct * p[n - 1 + m * kDim] - s.k[m][n] * p[n - 2 + m * kDim];
          s.dp[m][n] = ct * s.dp[m][n - 1] - st * p[n - 1 + m * kDim] - s.k[m][n] * s.dp[m][n - 2];
        }
      }
      // Time-adjusted Gauss coefficients.
      if (time != s.otime) {
        s.tc[m][n] = s.c[m][n] + dt * s.cd[m][n];
        if (m != 0) s.tc[n][m - 1] = s.c[n][m - 1] + dt * s.cd[n][m - 1];
      }
      float par = ar * p[n + m * kDim];
      float temp1, temp2;
      if (m == 0) {
        temp1 = s.tc[m][n] * s.cp[m];
        temp2 = s.tc[m][n] * s.sp[m];
      } else {
        temp1 = s.tc[m][n] * s.cp[m] + s.tc[n][m - 1] * s.sp[m];
        temp2 = s.tc[m][n] * s.sp[m] - s.tc[n][m - 1] * s.cp[m];
      }
      bt = bt - ar * temp1 * s.dp[m][n];
      bp += s.fm[m] * temp2 * par;
      br += s.fn[n] * temp1 * par;
      // At the geographic poles the east component needs its own recursion.
      if (st == 0.0f && m == 1) {
        if (n == 1) {
          s.pp[n] = s.pp[n - 1];
        } else {
          s.pp[n] = ct * s.pp[n - 1] - s.k[m][n] * s.pp[n - 2];
        }
        float parp = ar * s.pp[n];
        bpp += s.fm[m] * temp2 * parp;
      }
    }
  }
  if (st == 0.0f) {
    bp = bpp;
  } else {
    bp /= st;
  }
  // Spherical to geodetic components.
  float bx = -bt * s.ca - br * s.sa;
  float by = bp;
  float bz = bt * s.sa - br * s.ca;
  float bh = Sqrtf(bx * bx + by * by);
  *ti = Sqrtf(bh * bh + bz * bz);
  *dec = static_cast<float>(std::atan2(static_cast<double>(by), static_cast<double>(bx)) / dtr);
  *dip = static_cast<float>(std::atan2(static_cast<double>(bz), static_cast<double>(bh)) / dtr);
  *gv = -999.0f;
  if (std::fabs(static_cast<double>(glat)) >= 55.0) {
    if (glat > 0.0f && glon >= 0.0f) *gv = *dec - glon;
    if (glat > 0.0f && glon < 0.0f) *gv = *dec + std::fabs(glon);
    if (glat < 0.0f && glon >= 0.0f) *gv = *dec + glon;
    if (glat < 0.0f && glon < 0.0f) *gv = *dec - std::fabs(glon);
    if (*gv > 180.0f) *gv -= 360.0f;
    if (*gv < -180.0f) *gv += 360.0f;
  }
  s.otime = time;
  s.oalt = alt;
  s.olat = glat;
  s.olon = glon;
}

}  // namespace

void ResetMagModelGlobals() {
  std::memset(wmm_cof_text, 0, sizeof wmm_cof_text);
  RO_RESET_GLOBALS(MAG_MODEL_SCALARS)
  std::memset(static_cast<void*>(&model), 0, sizeof model);
}

void InitWmmCoefficients() {
  for (int i = 0; i < kWmm2005CofLineCount; ++i) SetText(wmm_cof_text[i], kWmm2005CofLines[i]);
  wmm_cof_line_cnt = kWmm2005CofLineCount;
}

void RunMagModel(int entry, int* max_degree, float alt_km, float lat_deg, float lon_deg, float year,
                 float* dec_deg, float* dip_deg, float* total_nt, float* grid_var_deg) {
  if (entry == 0) {
    LoadModel(max_degree);
  } else if (entry == 1) {
    Evaluate(alt_km, lat_deg, lon_deg, year, dec_deg, dip_deg, total_nt, grid_var_deg);
  }
}

void InitMagModel(int* max_degree) {
  RunMagModel(0, max_degree, 0.0f, 0.0f, 0.0f, 0.0f, nullptr, nullptr, nullptr, nullptr);
}

void EvalMagModel(float alt_km, float lat_deg, float lon_deg, float year, float* dec_deg,
                  float* dip_deg, float* total_nt, float* grid_var_deg) {
  RunMagModel(1, nullptr, alt_km, lat_deg, lon_deg, year, dec_deg, dip_deg, total_nt, grid_var_deg);
}

int32_t WholeDegreesOfDeclination(float dec_deg) {
  int32_t whole = static_cast<int32_t>(dec_deg);
  if (static_cast<double>(dec_deg) > 0.54) whole += 1;
  return whole;
}

int32_t GetMagVar(int32_t lat_deg, int32_t lon_deg) {
  // Without its text the model would report 0 everywhere; build it if the load has not yet.
  if (wmm_cof_line_cnt == 0) InitWmmCoefficients();
  float lat = static_cast<float>(lat_deg);
  float lon = static_cast<float>(lon_deg);
  float alt = 1.0f;
  int max_degree = kMaxDegree;
  InitMagModel(&max_degree);
  float dec, dip, ti, gv;
  EvalMagModel(alt, lat, lon, 2005.0f, &dec, &dip, &ti, &gv);
  float dec2, dip2, ti2, gv2;
  EvalMagModel(alt, lat, lon, 2006.0f, &dec2, &dip2, &ti2, &gv2);
  model.info.dec_change_min = (dec2 - dec) * 60.0f;
  model.info.dip_change_min = (dip2 - dip) * 60.0f;
  model.info.total_change_nt = ti2 - ti;
  return WholeDegreesOfDeclination(dec);
}
