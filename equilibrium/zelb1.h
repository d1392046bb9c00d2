// Final sweep: positions and velocities of all bodies from the state vector, then every contact
// and its traction once more, summed into the race reactions.
#pragma once

struct Model;

namespace zelb1 {

void zelb1(Model& m);

// Unpacks genvecs::x into the positions, frames, velocities and angular velocities of every
// rolling element and race (and the copies of split-race segments 3, 4), with the centrifugal
// force and gyroscopic moment of every element.
void posandvels(Model& m);

// Cardan rates (r1, r2, r3) at the attitude angles a2, a3 turned in place into body angular
// velocity components: w1 = c2 c3 r1 + s3 r2, w2 = -c2 s3 r1 + c3 r2, w3 = s2 r1 + r3.
void ratetoangvel(double& r1, double& r2, double& r3, double a2, double a3);

}  // namespace zelb1
