#!/usr/bin/env python3
"""Validation of the three programs against published reference values.

Runs the built programs on fixed answers in temporary directories, reads
their result tables, compares the derived quantities with the references and
writes the page docs/validation.md. With --check it fails (exit status 1)
when a quantity lies outside its tolerance: the tolerances admit the known
error of each method (wall functions, grid, sampling) but not a broken model
or a wrong formula.

    python3 docs/make_validation.py --bin build/bin [--output FILE] [--check]
"""

import argparse
import math
import os
import subprocess
import sys
import tempfile


def run(program, answers):
    """Runs a program with its answers in a fresh directory; returns its tables."""
    work = tempfile.mkdtemp(prefix="validation-")
    result = subprocess.run([program], input=answers.encode(), cwd=work, capture_output=True, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"{program} failed: {result.stderr.decode(errors='replace')}")
    tables = {}
    for name in os.listdir(work):
        with open(os.path.join(work, name), encoding="ascii") as text:
            tables[name] = text.read()
        os.remove(os.path.join(work, name))
    os.rmdir(work)
    return result.stdout.decode(), tables


def field(text):
    """One number of a table; an E field with a three-digit exponent has no letter."""
    text = text.strip()
    if "E" not in text and "e" not in text and text.lower() not in ("nan", "infinity", "-infinity"):
        cut = max(text.rfind("+"), text.rfind("-"))
        if cut > 0:
            text = text[:cut] + "E" + text[cut:]
    return float(text)


def rows(table, skip=0):
    return [[field(v) for v in line.split()] for line in table.splitlines()[skip:] if line.strip()]


KAPPA, LOG_LAW_E = 0.42, 9.0


def wall_layer_integral(y_plus):
    """Integral of u+ over 0 .. y_plus along the law of the wall that the wall
    functions impose: u+ = y+ in the viscous sublayer, (1/kappa) ln(E y+)
    beyond the crossing of the two."""
    crossing = 10.0
    for _ in range(100):
        crossing = math.log(LOG_LAW_E * crossing) / KAPPA
    def log_law(y):
        return (y * math.log(LOG_LAW_E * y) - y) / KAPPA
    return 0.5 * crossing**2 + log_law(y_plus) - log_law(crossing)


def trapezoid(xs, ys):
    return sum(0.5 * (ys[i] + ys[i + 1]) * (xs[i + 1] - xs[i]) for i in range(len(xs) - 1))


class Page:
    def __init__(self):
        self.lines = []
        self.failures = []

    def text(self, *lines):
        self.lines.extend(lines)

    def table(self, header):
        self.lines.append("")
        self.lines.append("| " + " | ".join(header) + " |")
        self.lines.append("|" + "---|" * len(header))

    def sources(self, *names):
        self.lines.append("")
        self.lines.append("Sources: " + "; ".join(names) + ".")

    def compare(self, quantity, computed, reference, tolerance, digits=4):
        """A row: computed against reference, with the relative difference and its bound."""
        difference = (computed - reference) / reference
        within = abs(difference) <= tolerance and math.isfinite(computed)
        if not within:
            self.failures.append(f"{quantity}: {computed} against {reference} (bound {tolerance:.1%})")
        self.lines.append(
            f"| {quantity} | {computed:.{digits}f} | {reference:.{digits}f} | {difference:+.3%} | "
            f"{tolerance:.1%} | {'yes' if within else '**no**'} |"
        )


MOSER = "Moser, Kim & Mansour, Phys. Fluids 11 (1999) 943"


def channel(page, binary):
    page.text("", "## Turbulent channel flow (`turbchannel`)", "",
              "Runs with N = 100 (node 50 on the centreline); the Reynolds number asked is the friction",
              "Reynolds number Re_tau, so the DNS cases are run at exactly their Re_tau. U_c+ is u at the",
              "centreline node, U_b+ the integral of u over the channel divided by its height 2: the",
              "trapezoid rule over the nodes, and across each wall layer (from the wall to the node 100",
              "wall units out, which the grid does not resolve) the law of the wall that the wall",
              "functions impose (u+ = y+, then (1/0.42) ln(9 y+)), since a trapezoid from u = 0 at the",
              "wall straight to the first node would drop about a tenth of the flow at these Reynolds",
              "numbers. C_f = 2 / U_b+^2, and k+ is k at the wall-adjacent node,",
              "100 wall units from the wall, beside the equilibrium value 1/sqrt(0.09) that the wall",
              "functions impose there.",
              "",
              "The wall-function closures differ from the DNS by a few per cent in the velocities (the",
              "log law with kappa = 0.42 and E = 9.0 sets the velocity 100 wall units out, and the",
              "closures model the outer layer); the bound admits 8 %, and 20 % for the skin friction,",
              "which goes with the square of U_b+.")
    dns = {392.24: (20.133, 17.545), 587.19: (21.263, 18.654)}
    summary_at = len(page.lines)
    velocity_differences = []
    for model, name in ((0, "k-epsilon"), (1, "k-omega")):
        for re_tau, (uc_ref, ub_ref) in dns.items():
            console, tables = run(binary, f"{model}\n100\n{re_tau}\n")
            if "FINISH" not in console.split():
                page.failures.append(f"{name} at Re_tau {re_tau} did not converge")
                continue
            data = rows(tables["DATA.txt"], skip=1)
            wall = rows(tables["DATA-WALLUNIT.txt"], skip=1)
            interior = data[:-1]  # nodes 1 .. N-1; the last record is the upper wall
            ys = [r[0] for r in interior]
            us = [r[1] for r in interior]
            nu = 1.0 / re_tau
            # Two wall layers of 100 wall units, then the grid's trapezoid.
            ub = (2.0 * nu * wall_layer_integral(wall[0][0]) + trapezoid(ys, us)) / 2.0
            uc = us[49]  # node 50
            k_plus = wall[0][3]
            iterations = console.split()[-1]
            page.text("", f"### {name}, Re_tau = {re_tau} ({iterations} iterations)")
            page.table(["quantity", "computed", "reference", "difference", "bound", "within"])
            velocity_differences += [(uc - uc_ref) / uc_ref, (ub - ub_ref) / ub_ref]
            page.compare("U_c+", uc, uc_ref, 0.08, 3)
            page.compare("U_b+", ub, ub_ref, 0.08, 3)
            page.compare("C_f = 2 / U_b+^2", 2.0 / ub**2, 2.0 / ub_ref**2, 0.20, 5)
            page.compare(f"k+ at y+ = {wall[0][0]:.1f}", k_plus, 1.0 / math.sqrt(0.09), 0.10, 3)
            page.sources(f"U_c+, U_b+ and C_f: DNS of {MOSER}", "k+: equilibrium value 1/sqrt(C_mu), C_mu = 0.09")
    if velocity_differences:
        page.lines.insert(summary_at, "")
        sizes = [abs(d) for d in velocity_differences]
        side = "below" if max(velocity_differences) < 0 else "above" if min(velocity_differences) > 0 else "off"
        page.lines.insert(summary_at + 1,
                          f"In these runs the velocities U_c+ and U_b+ lie {min(sizes):.1%} to {max(sizes):.1%} "
                          f"{side} the DNS values.")


BLASIUS = ("the similarity solution of H. Blasius, Z. Math. Phys. 56 (1908) 1-37, as tabulated in textbooks of "
           "viscous flow, e.g. F. M. White, Viscous Fluid Flow (McGraw-Hill)")


def boundary_layer(page, binary):
    console, tables = run(binary, "")
    data = rows(tables["PlateProfile.txt"], skip=1)
    eta = [r[0] for r in data]
    u = [r[1] for r in data]
    wall_shear = u[1] / (eta[1] - eta[0])
    displacement = trapezoid(eta, [1.0 - v for v in u])
    momentum = trapezoid(eta, [v * (1.0 - v) for v in u])
    i = next(j for j, v in enumerate(u) if v >= 0.99)
    eta99 = eta[i - 1] + (0.99 - u[i - 1]) * (eta[i] - eta[i - 1]) / (u[i] - u[i - 1])
    model_error = max(abs(r[2] - r[3]) for r in data)
    page.text("", "## Laminar boundary layer (`shearprofile`)", "",
              f"One run ({console.strip()} sweeps). From \"PlateProfile.txt\": the wall shear is u at node 1",
              "over the step 0.02 (f'''(0) = f''''(0) = 0 make this one-sided difference accurate to",
              "O(h^4)); the thicknesses are trapezoid integrals over the 501 nodes; eta at u = 0.99 is",
              "interpolated linearly between nodes. The bound of 0.1 % admits the grid's discretisation",
              "error; a wrong coefficient in the similarity equation moves these values by far more.")
    page.table(["quantity", "computed", "reference", "difference", "bound", "within"])
    page.compare("wall shear f''(0)", wall_shear, 0.332057, 0.001, 6)
    page.compare("displacement thickness", displacement, 1.72079, 0.001, 5)
    page.compare("momentum thickness", momentum, 0.66411, 0.001, 5)
    page.compare("shape factor", displacement / momentum, 2.591, 0.001, 3)
    page.compare("eta at u = 0.99", eta99, 4.910, 0.001, 3)
    page.sources(BLASIUS)
    bound = 1e-4
    within = model_error <= bound
    if not within:
        page.failures.append(f"linear model error {model_error} above {bound}")
    page.text("", f"The linear model problem u'' + (eta/2) u' = 0: the largest difference between its",
              f"numerical column (V) and its exact solution erf(eta/2) is {model_error:.3e} (bound {bound:g}:",
              f"{'within' if within else '**not within**'}), the discretisation and iteration error of the scheme.")


def section(binary, answers):
    _, tables = run(binary, answers)
    chord = field(tables["WM-CHORD.txt"].split()[-1])
    camber = max(abs(r[1]) for r in rows(tables["WM-CAMBER.txt"]))
    thickness = max(r[1] for r in rows(tables["WM-THICK.txt"]))
    return chord, camber, thickness


def sections(page, binary):
    conformal = ("the exact images of the circles under z = zeta + 1/zeta (N. Joukowski, 1910), e.g. in "
                 "L. M. Milne-Thomson, Theoretical Aerodynamics (Macmillan)")
    page.text("", "## Wing sections (`wingsection`)", "",
              "Chord from \"WM-CHORD.txt\"; largest camber and thickness over the 201 stations. The",
              "contour is sampled half a degree apart starting a quarter degree off the axis, so the",
              "trailing and leading edges are never sample points, and the stations interpolate",
              "linearly between contour points: the differences in the table are that sampling error",
              "(bound 0.1 %), except for the symmetric section, whose reference is only the first-order",
              "small-offset estimate t/c = 1.299 (R - 1) and so differs by more as R grows (bound 15 %).")
    page.table(["quantity", "computed", "reference", "difference", "bound", "within"])
    chord, _, _ = section(binary, "1\n")
    page.compare("flat plate chord", chord, 4.0, 0.001, 6)
    for r in (1.2, 1.5, 2.0):
        chord, _, thickness = section(binary, f"2\n{r}\n")
        page.compare(f"ellipse R = {r}: t/c", thickness / chord, (r * r - 1) / (r * r + 1), 0.001, 5)
    for r in (1.05, 1.1, 1.2):
        chord, camber, _ = section(binary, f"3\n{r}\n")
        page.compare(f"circular arc R = {r}: h/c", camber / chord, math.sqrt(r * r - 1) / 2, 0.001, 5)
    for r in (1.02, 1.05, 1.1):
        chord, _, thickness = section(binary, f"4\n{r}\n")
        page.compare(f"symmetric R = {r}: t/c", thickness / chord, 1.299 * (r - 1), 0.15, 5)
    page.sources(f"flat plate, ellipse and arc: {conformal}",
                 "symmetric section: the small-offset estimate t/c = (3 sqrt(3) / 4) (R - 1) of the same map")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="folder of the built programs")
    parser.add_argument("--output", default=os.path.join(os.path.dirname(__file__), "validation.md"))
    parser.add_argument("--check", action="store_true", help="fail when a value is out of bounds")
    args = parser.parse_args()

    page = Page()
    page.text("# Validation against published references", "",
              "Generated by `docs/make_validation.py` from real runs of the built programs; do not edit",
              "by hand. Regenerate with `python3 docs/make_validation.py --bin build/bin`. The same",
              "script runs under CTest (test `validation`) with the bounds shown.")
    steps = (("turbchannel", channel), ("shearprofile", boundary_layer), ("wingsection", sections))
    for program, step in steps:
        binary = os.path.abspath(os.path.join(args.bin, program))
        if os.access(binary, os.X_OK):
            step(page, binary)
    page.text("")
    with open(args.output, "w", encoding="utf-8") as out:
        out.write("\n".join(page.lines))
    for failure in page.failures:
        print("out of bounds:", failure, file=sys.stderr)
    return 1 if args.check and page.failures else 0


if __name__ == "__main__":
    sys.exit(main())
