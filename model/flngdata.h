// Module `flngdata`: data of the roller-end to flange contact being evaluated (one end of the
// current roller against one flange side of the current race): the flange and roller-end
// geometry handed to the contact routine, the corner search settings, and its results (contact
// point, approach, load, ellipse, slip, friction power, forces, moments and their derivatives).
// Non-dimensional lengths and forces; frames as in `revecs`, flange frame `f`.
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Flngdata {
  // integer scalars
  int ict = 0;  // corner-distance function switch: 0 distance, 1 its stationarity condition
  int nth = 0;  // angular search steps around the roller corner
  // integer arrays (2, 2, 40): flange side, race, element
  zq::FArray<int, 2, 2, 40> istat;  // interaction status of each roller-end/flange contact
  // real scalars
  double af = 0.0;              // contact ellipse semi-axis a
  double bf = 0.0;              // contact ellipse semi-axis b
  double bfdp = 0.0;            // damping factor of the normal force
  double corrad = 0.0;          // roller corner radius
  double delf = 0.0;            // approach (positive into the flange)
  double ecc = 0.0;             // axial position of the end-sphere centre on the roller axis
  double erad = 0.0;            // roller end-sphere radius (flat at or above the crown limit)
  double fht = 0.0;             // flange height
  double flngentveljk = 0.0;    // entraining speed of the contact
  double flngreconposjk = 0.0;  // radial position of the contact on the roller end
  double flngslipjk = 0.0;      // slip speed of the contact
  double fy = 0.0;              // radial-plane coordinates of the last corner point (y, z)
  double fyc = 0.0;             // circumferential offset of the contact
  double fz = 0.0;
  double qdel = 0.0;            // load derivative dQ/d(approach)
  double qf = 0.0;              // normal load
  double qvf = 0.0;             // load times slip speed
  double rcc = 0.0;             // radius of the corner circle
  double svf = 0.0;             // friction power
  double th = 0.0;              // corner angle of the contact point
  double xcc = 0.0;             // axial position of the corner circle
  double xth = 0.0;             // angular step of the corner search
  // real arrays (3)
  zq::Vec3 bflngforjk;     // normal-load force on the roller (azimuth frame)
  zq::Vec3 bflngmomjk;     // its moment about the roller centre (azimuth frame)
  zq::Vec3 ccff;           // contact point in the flange frame (1 normal, 3 along the height)
  zq::Vec3 fccbgi;         // contact point from the roller centre (inertial)
  zq::Vec3 fccrgi;         // contact point from the race centre (inertial)
  zq::Vec3 ombr;           // roller angular velocity (race frame)
  zq::Vec3 omrr;           // race angular velocity less the orbital rate (race frame)
  zq::Vec3 raceflngforjk;  // force on the race (element azimuth frame)
  zq::Vec3 raceflngmomjk;  // moment on the race (element azimuth frame)
  zq::Vec3 reflngforjk;    // force on the roller (element azimuth frame)
  zq::Vec3 reflngmomjk;    // moment on the roller (element azimuth frame)
  zq::Vec3 rf;             // flange reference point from the race centre (axial, tangential, radial)
  zq::Vec3 rflngforjk;     // normal force on the race along the flange normal (inertial)
  zq::Vec3 rflngmomjk;     // its moment about the race centre (inertial)
  zq::Vec3 vbr;            // roller centre velocity, orbital motion removed (race frame)
  zq::Vec3 vrr;            // race centre velocity (race frame)
  // real arrays (6)
  zq::FArray<double, 6> conf;  // load-law constants of the flange contact
  // real arrays (40): per element
  zq::FArray<double, 40> rerotc;  // roller rotation angle about its axis (first Cardan angle)
  zq::FArray<double, 40> rerotp;  // roller rotation data, previous value (cleared at set-up)
  // real arrays (3, 3)
  zq::Mat3 ter;     // roller end-face frame -> race frame
  zq::Mat3 tif;     // inertial frame -> flange frame
  zq::Mat3 trafjk;  // race azimuth frame -> flange frame
  zq::Mat3 trf;     // race frame -> flange frame
  zq::Mat3 trra;    // race frame -> contact azimuth frame
  // Derivatives of the normal-load force and moment (damping and friction left out), element
  // azimuth frame, component by unknown. Roller unknowns: axial and radial displacement of its
  // centre, its second and third attitude angle; of bflngforjk and bflngmomjk (on the roller,
  // about its centre). Race unknowns: displacement along inertial x, y, z, its second and third
  // attitude angle; of the normal-load part of raceflngforjk and raceflngmomjk (on the race,
  // about its centre; tia rflngforjk and tia rflngmomjk).
  zq::FArray<double, 3, 4> dbflngforjk;
  zq::FArray<double, 3, 4> dbflngmomjk;
  zq::FArray<double, 3, 5> drflngforjk;
  zq::FArray<double, 3, 5> drflngmomjk;
};
