// Module `fatiguecons`: constants, exponents, factors and names of the fatigue-life models. Names
// ending in `re` belong to the rolling element, the arrays (4) to the race segments.
// expload, explen and exploadi are read as (j, iracerot(j)): entry j + 2 (iracerot(j) - 1).
#pragma once

#include "model/farray.h"
#include "model/ftext.h"

struct Fatiguecons {
  int initf1 = 0;
  int khoop = 1;
  zq::FArray<int, 2> kmodeltype;
  zq::FArray<int, 4> iracerot;
  double amre = 0.0;
  double baseep = 0.0;
  double brgwbdis = 0.0;
  double brgwbdisinv = 0.0;
  double bzeta = 0.0;
  double bzeta1 = 0.0;
  double ckapalnihre = 0.0;
  double ckapalnlpre = 0.0;
  double ckapalnvkre = 0.0;
  double ckapaptihre = 0.0;
  double ckapaptlpre = 0.0;
  double ckapaptvkre = 0.0;
  double depthexpihre = 0.0;
  double depthexplpre = 0.0;
  double egihre = 0.0;
  double eglpre = 0.0;
  double egvkre = 0.0;
  double el = 0.0;
  double elihre = 0.0;
  double ellpre = 0.0;
  double elvkre = 0.0;
  double em0 = 0.0;
  double faccontre = 0.0;
  double facmatlfre = 0.0;
  double facmatre = 0.0;
  double facproclfre = 0.0;
  double facprocre = 0.0;
  double facprodre = 0.0;
  double fcihre = 0.0;
  double fclpre = 0.0;
  double fconihre = 0.0;
  double fconlpre = 0.0;
  double fconvkre = 0.0;
  double fcvkre = 0.0;
  double fla = 0.23;  // Tallian constant
  double flalfa = 40.0;  // Tallian constant
  double flbeta = 1.6;  // Tallian constant
  double flzeta = 7.33;  // Tallian constant
  double g1expihre = 0.0;
  double g1explpre = 0.0;
  double g1expvkre = 0.0;
  double g2expihre = 0.0;
  double g2explpre = 0.0;
  double g2expvkre = 0.0;
  double g3expihre = 0.0;
  double g3explpre = 0.0;
  double g3expvkre = 0.0;
  double gexpihre = 0.0;
  double gexplpre = 0.0;
  double gexpvkre = 0.0;
  double hardnesslfre = 0.0;
  double pexpihre = 0.0;
  double pexplpre = 0.0;
  double pexpvkre = 0.0;
  double phi1a = 1.5;  // Tallian constant
  double phi1b = 1.0;  // Tallian constant
  double phi1blp = 1.0;  // Tallian constant
  double phi1f = 1.5;  // Tallian constant
  double phi2blp = 1.0;  // Tallian constant
  double phi2clean = 600.0;  // Tallian constant
  double phi3blp = 1.6e-5;  // Tallian constant
  double prexpihre = 0.0;
  double prexplpre = 0.0;
  double prexpvkre = 0.0;
  double qexpihre = 0.0;
  double qexplpre = 0.0;
  double qexpvkre = 0.0;
  double reliabindex = 0.0;
  double shearexpihre = 0.0;
  double shearexplpre = 0.0;
  double shearexpvkre = 0.0;
  double shearlmtihre = 0.0;
  double sprob = 0.0;
  double uexpihre = 0.0;
  double uexplpre = 0.0;
  double uexpvkre = 0.0;
  double wbdisre = 0.0;
  double wbdisreinv = 0.0;
  double wbs = 0.0;
  double wbsinv = 0.0;
  double zeta1 = 0.0;
  double zetaih = 0.0;
  double zetalp = 0.0;
  double zetavk = 0.0;
  double zfrac = 0.027;  // Tallian constant
  zq::FArray<double, 4> am;
  zq::FArray<double, 4> asptrac;
  zq::FArray<double, 4> ckapalnih;
  zq::FArray<double, 4> ckapalnlp;
  zq::FArray<double, 4> ckapalnvk;
  zq::FArray<double, 4> ckapaptih;
  zq::FArray<double, 4> ckapaptlp;
  zq::FArray<double, 4> ckapaptvk;
  zq::FArray<double, 4> dd;
  zq::FArray<double, 4> depthexpih;
  zq::FArray<double, 4> depthexplp;
  zq::FArray<double, 4> ds;
  zq::FArray<double, 4> egih;
  zq::FArray<double, 4> eglp;
  zq::FArray<double, 4> egvk;
  zq::FArray<double, 4> elih;
  zq::FArray<double, 4> ellp;
  zq::FArray<double, 4> elvk;
  zq::FArray<double, 4> em;
  zq::FArray<double, 4> er;
  zq::FArray<double, 4> explen;
  zq::FArray<double, 4> explenlp;
  zq::FArray<double, 4> explenvk;
  zq::FArray<double, 4> expload;
  zq::FArray<double, 4> exploadi;
  zq::FArray<double, 4> exploadlp;
  zq::FArray<double, 4> exploadlpi;
  zq::FArray<double, 4> exploadvk;
  zq::FArray<double, 4> exploadvki;
  zq::FArray<double, 4> faccont;
  zq::FArray<double, 4> facmat;
  zq::FArray<double, 4> facmatlf;
  zq::FArray<double, 4> facproc;
  zq::FArray<double, 4> facproclf;
  zq::FArray<double, 4> facprod;
  zq::FArray<double, 4> fcih;
  zq::FArray<double, 4> fclp;
  zq::FArray<double, 4> fco;
  zq::FArray<double, 4> fcon;
  zq::FArray<double, 4> fconih;
  zq::FArray<double, 4> fconlp;
  zq::FArray<double, 4> fconvk;
  zq::FArray<double, 4> fcvk;
  zq::FArray<double, 4> g1expih;
  zq::FArray<double, 4> g1explp;
  zq::FArray<double, 4> g1expvk;
  zq::FArray<double, 4> g2expih;
  zq::FArray<double, 4> g2explp;
  zq::FArray<double, 4> g2expvk;
  zq::FArray<double, 4> g3expih;
  zq::FArray<double, 4> g3explp;
  zq::FArray<double, 4> g3expvk;
  zq::FArray<double, 4> gexpih;
  zq::FArray<double, 4> gexplp;
  zq::FArray<double, 4> gexpvk;
  zq::FArray<double, 4> hardnesslf;
  zq::FArray<double, 4> pexpih;
  zq::FArray<double, 4> pexplp;
  zq::FArray<double, 4> pexpvk;
  zq::FArray<double, 4> phi0;
  zq::FArray<double, 4> phi0re;
  zq::FArray<double, 4> phi2b;
  zq::FArray<double, 4> phi2bre;
  zq::FArray<double, 4> phi2f;
  zq::FArray<double, 4> phi2fre;
  zq::FArray<double, 4> prexpih;
  zq::FArray<double, 4> prexplp;
  zq::FArray<double, 4> prexpvk;
  zq::FArray<double, 4> qcc;
  zq::FArray<double, 4> qexp;
  zq::FArray<double, 4> qexpih;
  zq::FArray<double, 4> qexpinv;
  zq::FArray<double, 4> qexplp;
  zq::FArray<double, 4> qexpvk;
  zq::FArray<double, 4> resstress;
  zq::FArray<double, 4> rmsaspht;
  zq::FArray<double, 4> rmsaspslope;
  zq::FArray<double, 4> shearexpih;
  zq::FArray<double, 4> shearexplp;
  zq::FArray<double, 4> shearexpvk;
  zq::FArray<double, 4> shearlmt;
  zq::FArray<double, 4> shearlmtih;
  zq::FArray<double, 4> sigtheta;
  zq::FArray<double, 4> tauhih;
  zq::FArray<double, 4> tauhvk;
  zq::FArray<double, 4> taurih;
  zq::FArray<double, 4> taurvk;
  zq::FArray<double, 4> uexpih;
  zq::FArray<double, 4> uexplp;
  zq::FArray<double, 4> uexpvk;
  zq::FArray<double, 4> wbdis;
  zq::FArray<double, 4> wbdisinv;
  zq::FArray<double, 40> sk;
  zq::FArray<zq::FText<12>, 4> matname;
  zq::FArray<zq::FText<12>, 4> matnamelf;
  zq::FText<12> matnamelfre;
  zq::FText<12> matnamere;
  zq::FArray<zq::FText<55>, 4> procname;
  zq::FArray<zq::FText<55>, 4> procnamelf;
  zq::FText<55> procnamelfre;
  zq::FText<55> procnamere;
};
