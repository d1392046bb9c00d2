// Roller end to race flange contact of the current roller end and flange side: contact point on
// the end sphere or the corner torus, approach, Hertz load, friction, forces and moments on
// roller and race, wear measure and load derivatives. Non-dimensional; data through flngdata.
// kcon: 1 when a corner contact was moved to the flange edge, else 0 (status out); klaw: 1 when
// the linear continuation of the load law carried the load, else 0 (solution code out).
#pragma once

#include "model/farray.h"

struct Model;

namespace zelc3 {

// Reads: revecs bgrgr, tbr, tir, tia, tbia, tria, sii, ire, irace; flngdata erad, ecc, corrad,
// xcc, rcc, ter, rf, trafjk, fht, conf, bfdp, vbr, ombr, vrr, omrr, nth, xth; errors::iarray(1:3)
// (roller, side, race, for the out-of-bounds block); tracprop reflngfilm, reflngcoeff, ktrac;
// with loadder::ider the derivative frames loadder tib2, tib3, tir2, tir3 and
// brggeom::rebasetran. Writes every result of flngdata: ccff, delf, qf, qdel, af, bf, fyc, th,
// fy, fz, ict, flngslipjk, flngentveljk, flngreconposjk, qvf, svf, trra, trf, tif, fccrgi,
// fccbgi, the eight force and moment vectors and the four derivative matrices (all cleared
// first, so an untouched flange leaves zeros); rf(3) on a race with imperfections.
void zelc3(Model& m, int& kcon, int& klaw);

// Working record of one evaluation, shared by the internal procedures (race frame r, flange
// frame f, the flange azimuth frame of the contact point a).
struct Host {
  // How the contact point was found: the end-sphere centre, the corner point of greatest
  // approach, or the corner point moved to the flange edge by interpolation between two search
  // angles (thlo, thlo + xth, with ccff(3) - fht = flo, fhi there) or onto a search angle.
  enum Kind { kSphere, kCorner, kEdge, kEdgeOnStep } kind = kSphere;
  double thlo = 0.0, flo = 0.0, fhi = 0.0;
  double delta = 0.0;  // approach including the film
  double pen = 0.0;    // depth of the body surface beyond the flange plane (delta less film)
  double rho = 0.0;    // radius of the centre point (signed for a far-side end sphere)
  double psi = 0.0;    // azimuth of the contact (angle of the flange azimuth frame)
  zq::Vec3 q;          // centre point: end-sphere centre or corner-circle point, race frame
  zq::Vec3 fccrgr, fccbgr, fccrgra, fccbgb;  // contact point from race / roller centre
  zq::Vec3 fccrgf, fccbgf;                   // the same, flange frame
  zq::Mat3 tbf;                              // roller -> flange frame
  zq::Vec3 vrf, omrf, vbf, ombf;             // race and roller velocities, flange frame
  zq::Vec3 v, ev;                            // slip and entraining velocity, flange frame
  zq::Vec3 ffor;                             // contact force on the race, flange frame
  zq::Vec3 reflngf, reflngm, raceflngf, raceflngm, bflngmomi;
  zq::FArray<int, 3> ids;  // roller, flange side and race the caller put in errors::iarray
};

// Internal procedures: the end sphere and the corner search (true when the end touches the
// flange face; a touching contact off the face or a failed search raises its error), the
// derivatives of the normal-load force and moments of a loaded contact.
bool endint(Model& m, Host& h);
bool cornerint(Model& m, Host& h, int& kcon);
void flngderivatives(Model& m, const Host& h);
// Point of the corner circle at angle th, race frame.
void cornercircle(const Model& m, double th, zq::Vec3& r2);

}  // namespace zelc3

namespace zelc31 {
// Corner point at angle theta (rad) on the corner circle of the roller end, measured in the
// flange frame: with flngdata::ict = 0 its distance beyond the flange plane, ccff(1); with
// ict = 1 a function whose zero is the angle of greatest distance (-(rho / rcc) dccff(1)/dtheta).
// Leaves ccff, fy, fz (and rf(3) on a race with imperfections) in flngdata.
double zelc31(Model& m, double theta);
}  // namespace zelc31
