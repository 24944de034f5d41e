#!/usr/bin/python3
"""Drives the pack's AI scripts in a small 2D model of the fight and checks how they behave:
they close in and kick from a kick's range, deal with close range, block or guard by their
strength, rest when tired, stay on the mat, always answer with a valid move, repeat themselves
under the same seed, rank as their names say, and the crowd and coach sparks answer as the game
expects.

    check_ai.py --pack build/game
"""
import argparse
import math
import os
import random
import sys
import types
from report import Report

sys.dont_write_bytecode = True

FIGHTERS = ["easy_ai_1", "easy_ai_2", "medium_ai_1", "medium_ai_2", "hard_ai_1", "dremoai"]
logged = []


def load(pack):
    folder = os.path.join(pack, "Tavek_res", "scripts")
    sys.path.insert(0, folder)
    stub = types.ModuleType("log")
    stub.log = lambda value: logged.append(str(value))
    sys.modules["log"] = stub
    import importlib
    return {name: importlib.import_module(name)
            for name in ["fighter", "controls", "ailib", "arena", "coach"] + FIGHTERS}


class Model:
    """Two fighters on the mat; B stands or drifts, A is the script under test."""

    def __init__(self, mods, name, a=(2.0, 0.0), b=(-2.0, 0.0)):
        self.C = mods["controls"]
        self.me = mods["fighter"].Fighter(mods[name], 0)
        self.other = mods["fighter"].Fighter(None, 0)
        self.a, self.b = list(a), list(b)
        self.clock = 120.0
        self.mirror()

    def mirror(self):
        for f, p in ((self.me, self.a), (self.other, self.b)):
            f.ai_fighter.location = [p[0], 0.65, p[1]]
            f.ai_fighter.time_remaining = self.clock

    def distance(self):
        return math.hypot(self.a[0] - self.b[0], self.a[1] - self.b[1])

    def step(self, drift=(0.0, 0.0)):
        """One decision of A and what it does over the next 1/3 s (or its hold)."""
        answer = self.me.decide(self.other)
        move = answer[0]
        hold = answer[1] if len(answer) > 1 else 0.0
        dt = max(self.C.DECISION_TIME, hold)
        if move in self.C.WALKS:
            dx, dz = self.C.WALKS[move]
            fx, fz = self.b[0] - self.a[0], self.b[1] - self.a[1]
            norm = math.hypot(fx, fz) or 1.0
            back = (dx * fx + dz * fz) / (norm * math.hypot(dx, dz)) < -0.7071
            speed = self.C.WALK_SPEED * (self.C.BACKWARD_FACTOR if back else 1.0)
            steps = 20
            for _ in range(steps):
                nx, nz = self.a[0] + dx * speed * dt / steps, self.a[1] + dz * speed * dt / steps
                if math.hypot(nx - self.b[0], nz - self.b[1]) >= self.C.MIN_DISTANCE:
                    self.a = [nx, nz]
        self.b = [self.b[0] + drift[0] * dt, self.b[1] + drift[1] * dt]
        self.clock -= dt
        self.mirror()
        return answer


def check_approach(mods, report):
    C = mods["controls"]
    for name in FIGHTERS:
        # A fighter tired of waiting kicks from just past its reach.
        error = max(mods[name].Brain.STYLE["error"], mods["ailib"].EDGE_SLACK)
        for seed in range(10):
            random.seed(seed)
            m = Model(mods, name)
            kicked = None
            for _ in range(9):  # 3 s
                d = m.distance()
                move = m.step()[0]
                if move in C.KICK_BY_MOVE:
                    kicked = (move, d)
                    break
            if not report.check(kicked is not None, "%s (seed %d): no kick within 3 s from the "
                                 "marks" % (name, seed)):
                continue
            kick = C.KICK_BY_MOVE[kicked[0]]
            report.check(kick[5] - error - 1e-9 <= kicked[1] <= kick[6] + error + 1e-9,
                         "%s: kicked %s from %.2f, out of its range" % (name, kick[2], kicked[1]))


def check_close(mods, report):
    C = mods["controls"]
    for name in FIGHTERS:
        error = mods[name].Brain.STYLE["error"]  # beginners misjudge the distance
        for seed in range(20):
            random.seed(seed)
            m = Model(mods, name, (0.4, 0.0), (-0.4, 0.0))
            before = m.distance()
            move = m.step()[0]
            ok = (move in C.KICK_BY_MOVE and C.KICK_BY_MOVE[move][5] - error <= before) or \
                m.distance() > before + 0.2 or (move in C.WALKS and m.distance() <= 0.95)
            report.check(ok, "%s: at 0.8 it answers %d" % (name, move))


def check_blocks(mods, report):
    C = mods["controls"]
    for name, lo, hi in (("hard_ai_1", 0.4, 1.0), ("dremoai", 0.3, 1.0), ("easy_ai_1", 0.0, 0.25),
                         ("easy_ai_2", 0.0, 0.25)):
        covered = 0
        for seed in range(200):
            random.seed(seed)
            m = Model(mods, name, (0.65, 0.0), (-0.65, 0.0))
            m.other.ai_fighter.action = 22
            move = m.step()[0]
            block = C.block_for(22)
            if move == block or move == C.GUARD_ON:
                covered += 1
        share = covered / 200.0
        report.check(lo <= share <= hi, "%s blocks or guards %.0f%% of kicks coming in" %
                     (name, share * 100))


def check_tired(mods, report):
    C = mods["controls"]
    for name in FIGHTERS:
        for seed in range(10):
            random.seed(seed)
            m = Model(mods, name, (0.6, 0.0), (-0.6, 0.0))
            m.step()
            m.me.ai_fighter.balance = 0.15
            before = m.distance()
            move = m.step()[0]
            report.check(move not in C.KICK_BY_MOVE and (move in (C.GUARD_ON, C.GUARD_OFF) or
                                                          m.distance() > before),
                         "%s: tired, it answers %d" % (name, move))


def check_mat(mods, report):
    for name in FIGHTERS:
        random.seed(7)
        m = Model(mods, name, (3.0, 0.0), (0.0, 0.0))
        worst = 0.0
        for k in range(180):
            angle = k * 0.35
            drift = (2.0 * math.cos(angle), 2.0 * math.sin(angle))
            m.step(drift)
            if math.hypot(*m.b) > 3.0:
                m.b = [m.b[0] * 0.5, m.b[1] * 0.5]
            worst = max(worst, math.hypot(*m.a))
        report.check(worst <= 3.5 + 1e-6, "%s walked %.2f from the centre" % (name, worst))


def check_answers(mods, report):
    C = mods["controls"]
    rng = random.Random(11)
    for name in FIGHTERS:
        random.seed(3)
        m = Model(mods, name)
        bad = 0
        for _ in range(10000 // len(FIGHTERS)):
            me, other = m.me.ai_fighter, m.other.ai_fighter
            for f in (me, other):
                f.location = [rng.uniform(-5, 5), 0.65, rng.uniform(-5, 5)]
                f.health = rng.choice([rng.random(), 0.0, 1.0])
                f.balance = rng.choice([rng.random(), 0.0, 1.0])
                f.action = rng.randrange(0, 55)
                f.general_blocking = rng.random() < 0.3
                f.score = rng.randrange(0, 10)
                f.time_remaining = rng.uniform(-1, 120)
            answer = m.me.decide(m.other)
            ok = isinstance(answer, tuple) and isinstance(answer[0], int) and \
                0 <= answer[0] <= C.LAST_MOVE and (len(answer) == 1 or 0 <= answer[1] <= C.MAX_HOLD)
            bad += 0 if ok else 1
        report.check(bad == 0, "%s: %d invalid answers" % (name, bad))
    report.check(not logged, "a brain failed: %s" % logged[:1])
    # The same seed gives the same decisions.
    runs = []
    for _ in range(2):
        random.seed(42)
        m = Model(mods, "hard_ai_1")
        runs.append([m.step(((-1) ** k * 1.5, 0.5)) for k in range(60)])
    report.check(runs[0] == runs[1], "hard_ai_1 decides differently under the same seed")
    # A failing brain is shielded and logged.
    broken = types.ModuleType("broken")

    class Brain:
        def __init__(self, me, learn):
            pass

        def decide(self, other):
            raise RuntimeError("boom")
    broken.Brain = Brain
    f = mods["fighter"].Fighter(broken, 0)
    report.check(f.decide(mods["fighter"].Fighter(None, 0)) == (0,) and logged and
                 "boom" in logged[-1], "a failing brain is not shielded and logged")


def check_sparks(mods, report):
    F = mods["fighter"]
    a, b = F.Fighter(None, 0), F.Fighter(None, 0)
    spark = F.Spark(mods["arena"], a, b)
    spark.arena_type = 4
    allowed = {(0,), ("crowdCheer",), ("crowdOoh",), ("crowdClap",)}
    random.seed(5)
    answers = []
    for k in range(300):
        a.ai_fighter.time_remaining = 100 - k * 0.33
        answers.append(spark.decide(False))
    report.check(set(answers) <= allowed, "the crowd answers %s" % (set(answers) - allowed))
    report.check(("crowdClap",) in answers, "the crowd never claps")
    b.ai_fighter.score = 1
    report.check(spark.decide(False) == ("crowdCheer",), "no cheer after a score")
    a.ai_fighter.health = 0.8
    report.check(spark.decide(False) == ("crowdOoh",), "no gasp after a big hit")
    coach = F.Spark(mods["coach"], a, b)
    report.check(coach.decide(False) == (0,), "the coach says something")


def check_skill(mods, report):
    """The styles rank as their names say, a strong fighter jumps through a guard and strikes
    back when the other's kick ends, and no walk is foreseen through the other fighter."""
    C = mods["controls"]
    style = {name: mods[name].Brain.STYLE for name in FIGHTERS}
    for key, better in (("error", min), ("hesitate", min), ("block", max), ("read", max), ("aim", max),
                        ("counter", max)):
        ranks = [max(style[n][key] for n in ("easy_ai_1", "easy_ai_2")),
                 max(style[n][key] for n in ("medium_ai_1", "medium_ai_2")), style["hard_ai_1"][key]]
        if better is max:
            ranks = [min(style[n][key] for n in ("easy_ai_1", "easy_ai_2")),
                     min(style[n][key] for n in ("medium_ai_1", "medium_ai_2")), style["hard_ai_1"][key]]
            ok = ranks[0] <= ranks[1] <= ranks[2]
        else:
            ok = ranks[0] >= ranks[1] >= ranks[2]
        report.check(ok, "the styles' %s does not rank easy, medium, hard: %s" % (key, ranks))
    for name, least in (("hard_ai_1", 0.3), ("dremoai", 0.4)):
        through = 0
        for seed in range(100):
            random.seed(seed)
            m = Model(mods, name, (0.675, 0.0), (-0.675, 0.0))
            m.other.ai_fighter.general_blocking = True
            move = m.step()[0]
            through += move in C.KICK_BY_MOVE and C.KICK_BY_MOVE[move][1] in C.THROUGH_GUARD
        report.check(through >= least * 100, "%s takes a jumping kick into a guard %d times in 100" %
                     (name, through))
    countered = 0
    for seed in range(100):
        random.seed(seed)
        m = Model(mods, "hard_ai_1", (0.6, 0.0), (-0.6, 0.0))
        m.other.ai_fighter.action = 22
        m.me.brain.style = dict(m.me.brain.style, block=0.0)
        m.step()
        m.other.ai_fighter.action = 0
        countered += m.step()[0] in C.KICK_BY_MOVE
    report.check(countered >= 70, "hard_ai_1 strikes back after a kick only %d times in 100" % countered)
    brain = mods["hard_ai_1"].Brain(mods["fighter"].AIFighter(), 0)
    for move in C.WALKS:
        d, _ = brain._predict((1.0, 0.0), (0.0, 0.0), (0.0, 0.0), move)
        report.check(d >= C.MIN_DISTANCE - 1e-9, "a walk %d is foreseen through the other fighter" % move)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pack", required=True)
    args = parser.parse_args()
    mods = load(args.pack)
    report = Report()
    for check in (check_approach, check_close, check_blocks, check_tired, check_mat,
                  check_answers, check_skill, check_sparks):
        check(mods, report)
    for problem in report.problems[:40]:
        print("PROBLEM:", problem)
    if report.problems:
        print("check_ai: %d problems" % len(report.problems))
        return 1
    print("check_ai: the six fighter AIs and the two sparks behave")
    return 0


if __name__ == "__main__":
    sys.exit(main())
