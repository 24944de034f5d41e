"""The fighter AIs' shared decision routine, driven by a style table.

Every call looks at the distance to the opponent and where both are heading, then walks to the
style's preferred range, kicks when a kick of the style reaches (the one worth most, as well as
the style aims), blocks or guards against a kick coming in, strikes back when the other's kick
misses or ends, steps back out after its own, backs off when tired or just back on its feet,
and keeps away from the mat's edge. How well it does each is the style's skill. Random numbers
come from the module-level functions of `random` only.
"""
import math
import random

import controls as C

KICKING_ACTIONS = set(C.ATTACK_ACTIONS)
EDGE_SLACK = 0.05   # how far past its reach a fighter tired of waiting still kicks
QUIET_LIMIT = 3.0   # seconds without a kick after which it kicks from well past its reach

# What each kick tends to score when thrown from its range in sparring (points per kick): the
# hook and spinning kicks to the head score most, the axe kick often meets the shoulders, and
# punches score nothing.
KICK_YIELD = {9: 0.52, 52: 0.5, 10: 0.47, 11: 0.55, 12: 0.33, 53: 0.2, 13: 0.63, 16: 0.4, 17: 0.35,
              18: 0.53, 34: 0.67, 25: 0.39, 26: 0.54, 36: 0.62, 49: 0.44, 48: 0.36, 27: 0.0, 28: 0.0, 29: 0.0}


def style(reaction=0.0, error=0.0, kicks=(), block=0.3, read=0.7, close=0.0, circle=0.0, rest=0.35,
          counter=0.0, switch=0.0, favour=(), edge=3.2, flinch=0.0, patience=2.0, eager=1.0, aim=0.0,
          through=0.0, hesitate=0.0, footwork=0.0, press=0.0, reserve=0.5, blind=0.0):
    """How one fighter fights; every number a chance per decision unless it says otherwise.

    reaction: seconds a slow fighter holds a walk while far off. error: how far off its eye for
    the distance may be. block: the chance of covering a kick coming in, and read: of picking the
    block that covers the kick's target rather than a plain guard. rest: the share of its best
    balance below which it backs off to recover. counter: the chance of striking back at once
    when the other's kick misses or ends. aim: the chance of choosing the kick worth most from
    where it stands (a head kick that reaches, a kick in the middle of its range) instead of any
    that reaches. through: the chance of answering a guard with a jumping kick, which lands in
    full through a guard (for no points, but it shakes the balance), or of waiting instead of
    kicking into it. hesitate: the chance of letting a
    decision pass. footwork: the chance of stepping back out of reach after a kick, and of
    stepping out instead of punching when too close. press: the chance of pressing an opponent
    who is tired or, late in the match, of pressing when not ahead. flinch: the chance of
    stepping straight back from a kick coming in, and blind: of doing so without minding the
    mat's edge. patience: the seconds the fighter waits
    without kicking before it steps in and kicks anyway. eager: the chance of taking a kick that
    reaches (the rest of the time it keeps its distance). reserve: the share of its best balance
    it keeps for a jumping or spinning kick, which costs the most."""
    return {"reaction": reaction, "error": error, "kicks": tuple(kicks), "block": block,
            "read": read, "close": close, "circle": circle, "rest": rest, "counter": counter,
            "switch": switch, "favour": tuple(favour), "edge": edge, "flinch": flinch,
            "patience": patience, "eager": eager, "aim": aim, "through": through,
            "hesitate": hesitate, "footwork": footwork, "press": press, "reserve": reserve,
            "blind": blind}


def _xz(location):
    try:
        return float(location[0]), float(location[2])
    except (TypeError, IndexError, ValueError):
        return 0.0, 0.0


class Brain:
    STYLE = style()

    def __init__(self, me, learn_speed):
        self.me = me
        self.learn_speed = learn_speed
        self.style = dict(self.STYLE)
        self.last_opponent = None
        self.last_time = None
        self.best_health = 0.0
        self.best_balance = 0.0
        self.refused = {}          # move -> decisions left before asking again
        self.asked = None          # the kick asked for at the last call
        self.guard_calls = 0       # calls spent guarding
        self.guard_rest = 0        # calls before guarding again
        self.back_off = 0          # calls to keep backing away
        self.recovering = False    # tired: backing off until balance is back
        self.last_action = 0
        self.opponent_last_action = 0
        self.hold = 0.0            # how long the walk chosen now is held
        self.quiet = 0.0           # seconds since the last kick asked for
        self.balance_asked = 0.0   # the balance when the last kick was asked for
        self.their_best_balance = 0.0
        self.opponent_guarding = False
        self.opponent_last_jump = 0
        self.jumps_seen = 0        # jumping kicks seen from the opponent

    # -- perception --------------------------------------------------------------------------
    def _velocity(self, there, dt):
        if self.last_opponent is None or dt <= 0:
            return 0.0, 0.0
        return ((there[0] - self.last_opponent[0]) / dt, (there[1] - self.last_opponent[1]) / dt)

    def _elapsed(self):
        clock = float(getattr(self.me, "time_remaining", 0.0))
        dt = C.DECISION_TIME
        if self.last_time is not None and 0.0 < self.last_time - clock < 2.0:
            dt = self.last_time - clock
        self.last_time = clock
        return dt

    # -- prediction --------------------------------------------------------------------------
    def _predict(self, here, there, velocity, move):
        """(distance to the opponent, distance from the centre) after one decision."""
        dt = max(C.DECISION_TIME, self.hold) if move != C.IDLE else C.DECISION_TIME
        ox, oz = there[0] + velocity[0] * dt, there[1] + velocity[1] * dt
        x, z = here
        if move in C.WALKS:
            dx, dz = C.WALKS[move]
            fx, fz = there[0] - here[0], there[1] - here[1]
            norm = math.hypot(fx, fz) or 1.0
            speed = C.WALK_SPEED
            if (dx * fx + dz * fz) / (norm * math.hypot(dx, dz)) < -0.7071:
                speed *= C.BACKWARD_FACTOR
            mx, mz = dx * speed * dt, dz * speed * dt
            # Nobody walks through the other: a walk whose path meets the opponent ends there.
            along = ((ox - x) * mx + (oz - z) * mz) / (mx * mx + mz * mz)
            if 0.0 < along < 1.0 and \
                    math.hypot(ox - x - along * mx, oz - z - along * mz) < C.MIN_DISTANCE:
                return C.MIN_DISTANCE, math.hypot(x + along * mx, z + along * mz)
            x, z = x + mx, z + mz
        d = math.hypot(ox - x, oz - z)
        return max(d, C.MIN_DISTANCE), math.hypot(x, z)

    def _walk_to(self, here, there, velocity, want_lo, want_hi, still=True):
        best, best_cost = C.IDLE, None
        for move in ([C.IDLE] if still else []) + sorted(C.WALKS):
            d, r = self._predict(here, there, velocity, move)
            cost = 0.0
            if d < want_lo:
                cost += want_lo - d
            elif d > want_hi:
                cost += d - want_hi
            if r > C.SOFT_EDGE:
                cost += 100.0 + r
            if move != C.IDLE:
                cost += 0.02
            if best_cost is None or cost < best_cost - 1e-9:
                best, best_cost = move, cost
        return best

    def _circle(self, here, there):
        """A walk sideways to the opponent that brings the fighter nearer the centre."""
        fx, fz = there[0] - here[0], there[1] - here[1]
        best, best_r = C.IDLE, math.hypot(*here)
        for move, (dx, dz) in sorted(C.WALKS.items()):
            norm = math.hypot(fx, fz) or 1.0
            if abs((dx * fx + dz * fz) / (norm * math.hypot(dx, dz))) > 0.75:
                continue
            _, r = self._predict(here, there, (0.0, 0.0), move)
            if r < best_r and r <= C.SOFT_EDGE:
                best, best_r = move, r
        return best

    def _away(self, here, there, velocity, blind=False):
        best, best_cost = C.IDLE, None
        for move in [C.IDLE] + sorted(C.WALKS):
            d, r = self._predict(here, there, velocity, move)
            cost = -d + (100.0 + r if r > C.SOFT_EDGE and not blind else 0.0)
            if best_cost is None or cost < best_cost:
                best, best_cost = move, cost
        return best

    def _walk(self, move):
        if move == C.IDLE or self.hold <= 0:
            return (move,)
        return (move, min(self.hold, C.MAX_HOLD))

    # -- choosing ----------------------------------------------------------------------------
    def _kicks_in_range(self, distance, balance_share):
        out = []
        for move in self.style["kicks"]:
            kick = C.KICK_BY_MOVE[move]
            if self.refused.get(move, 0) > 0:
                continue
            if kick[7] and balance_share < self.style["reserve"]:
                continue
            if C.in_range(kick, distance):
                out.append(kick)
        return out

    def _pick(self, kicks, distance=None):
        """One of the kicks: the one worth most from here by the style's aim, else any."""
        if distance is not None and random.random() < self.style["aim"]:
            return max(kicks, key=lambda k: self._worth(k, distance))
        weights = [3.0 if k[0] in self.style["favour"] else 1.0 for k in kicks]
        pick = random.random() * sum(weights)
        for kick, weight in zip(kicks, weights):
            pick -= weight
            if pick <= 0:
                return kick
        return kicks[-1]

    def _worth(self, kick, distance):
        """What a kick started at this distance is worth: what it tends to score, a little more
        from the middle of its range; into a guard only a jumping kick, which still lands in
        full and shakes the balance."""
        half = (kick[6] - kick[5]) / 2.0
        centred = 1.0 - abs(distance - (kick[5] + kick[6]) / 2.0) / (half + 0.1)
        worth = KICK_YIELD.get(kick[0], 0.3) * (0.7 + 0.3 * centred)
        if self.opponent_guarding:
            worth *= 1.5 if kick[1] in C.THROUGH_GUARD else 0.1
        return worth + (0.1 if kick[0] in self.style["favour"] else 0.0)

    def _kick_range(self):
        moves = [m for m in self.style["kicks"] if self.refused.get(m, 0) <= 0]
        kicks = [C.KICK_BY_MOVE[m] for m in moves if m not in (27, 28, 29)] or \
            [C.KICK_BY_MOVE[m] for m in moves] or [C.KICK_BY_MOVE[9]]
        lo = min(k[5] for k in kicks)
        hi = max(k[6] for k in kicks)
        mid = sorted((k[5] + k[6]) / 2 for k in kicks)[len(kicks) // 2]
        return lo, hi, mid

    def decide(self, opponent):
        me, st = self.me, self.style
        dt = self._elapsed()
        here, there = _xz(me.location), _xz(opponent.location)
        velocity = self._velocity(there, dt)
        self.last_opponent = there
        distance = math.hypot(there[0] - here[0], there[1] - here[1])
        # Slow fighters hold their walks, but close in with short steps.
        self.hold = st["reaction"] if distance > 3.0 else 0.0
        seen = distance + random.uniform(-1.0, 1.0) * st["error"]
        health, balance = float(me.health), float(me.balance)
        self.best_health = max(self.best_health, health)
        self.best_balance = max(self.best_balance, balance)
        balance_share = balance / self.best_balance if self.best_balance > 0 else 1.0
        their_balance = float(getattr(opponent, "balance", 1.0))
        self.their_best_balance = max(self.their_best_balance, their_balance)
        their_share = their_balance / self.their_best_balance if self.their_best_balance > 0 else 1.0
        action = int(getattr(me, "action", 0))
        their_action = int(getattr(opponent, "action", 0))
        self.opponent_guarding = bool(getattr(opponent, "general_blocking", False))
        for move in list(self.refused):
            self.refused[move] -= 1
        # A kick asked for last time that never started was refused (not learnt or too costly).
        # The game asks again only once the fighter is free, so a kick that played comes back
        # later than one decision, and cost balance.
        if self.asked is not None and action not in KICKING_ACTIONS and action in (0, 1, 47, 51) \
                and dt < C.DECISION_TIME * 1.4 and balance >= self.balance_asked - 1e-6:
            self.refused[self.asked] = 6
        kicked_last = self.asked is not None and dt >= C.DECISION_TIME * 1.4
        self.asked = None
        self.quiet += dt
        if self.last_action == 14 or (self.last_action not in (0, 1, 51) and action == 0 and
                                      balance_share < 0.2):
            self.back_off = 3
        self.last_action = action
        coming = their_action in KICKING_ACTIONS
        finished = self.opponent_last_action in KICKING_ACTIONS and not coming
        self.opponent_last_action = their_action
        # Their kick cannot reach from there: it missed, and they are still in it.
        missed = coming and distance > C.KICK_BY_ACTION[their_action][6] + 0.25
        guarding = bool(getattr(me, "general_blocking", False))
        if guarding:
            self.guard_calls += 1
        if self.guard_rest > 0:
            self.guard_rest -= 1
        # End a guard that has lasted long enough.
        if guarding and (self.guard_calls >= 4 or (not coming and not self.recovering)):
            self.guard_calls = 0
            self.guard_rest = 3
            return (C.GUARD_OFF,)
        jumping = their_action in C.THROUGH_GUARD
        if jumping and self.opponent_last_jump != their_action:
            self.jumps_seen += 1
        self.opponent_last_jump = their_action if jumping else 0
        # Against a kick coming in: block (the right block, if read well) or guard; a guard does
        # not stop a jumping kick, so a fighter who reads it steps away instead.
        if coming and not missed and distance < 1.6 and random.random() < st["block"]:
            block = C.block_for(their_action)
            read = random.random() < st["read"]
            if block is not None and read:
                return (block,)
            if jumping and read:
                return self._walk(self._away(here, there, velocity))
            if not guarding and self.guard_rest == 0:
                self.guard_calls = 0
                return (C.GUARD_ON, 0.9)
        if coming and not missed and distance < 1.6 and random.random() < st["flinch"]:
            self.hold = st["reaction"]
            return self._walk(self._away(here, there, velocity, blind=random.random() < st["blind"]))
        # Tired: guard and back away until the balance comes back.
        if balance_share < st["rest"]:
            self.recovering = True
        elif balance_share > st["rest"] + 0.25:
            self.recovering = False
        if self.recovering or self.back_off > 0:
            self.hold = st["reaction"]
            self.back_off = max(0, self.back_off - 1)
            # Guard while recovering, unless the other is seen to jump through guards.
            trust = 1.0 - st["read"] * min(1.0, self.jumps_seen / 3.0)
            if self.recovering and not guarding and self.guard_rest == 0 and distance < 2.0 and \
                    random.random() < trust:
                self.guard_calls = 0
                return (C.GUARD_ON, 1.0)
            return self._walk(self._away(here, there, velocity))
        radius = math.hypot(*here)
        late = float(getattr(me, "time_remaining", 60.0)) < 15.0
        behind = int(getattr(me, "score", 0)) <= int(getattr(opponent, "score", 0))
        pressing = (their_share < 0.35 or (late and behind)) and random.random() < st["press"]
        patience = st["patience"] * (0.5 if pressing else 1.0)
        restless = self.quiet >= patience
        # Strike back at once when their kick misses or has just ended.
        if (finished or missed) and random.random() < st["counter"]:
            kicks = self._kicks_in_range(seen, balance_share)
            if kicks:
                return self._ask(self._pick(kicks, seen))
        lo, hi, mid = self._kick_range()
        if not restless and not pressing and distance >= lo + 0.1 and random.random() < st["hesitate"]:
            return (C.IDLE,)
        kicks = self._kicks_in_range(seen, balance_share)
        if self.opponent_guarding and kicks and random.random() < st["through"]:
            # A guard takes the points of every kick, but a jumping kick still lands in full and
            # wears the balance down: take one, or wait for an opening.
            through = [k for k in kicks if k[1] in C.THROUGH_GUARD]
            if through:
                return self._ask(self._pick(through, seen))
            if not restless:
                return self._walk(self._walk_to(here, there, velocity, kicks[0][6], kicks[0][6] + 0.3))
        if kicks and (restless or pressing or random.random() < st["eager"]):
            return self._ask(self._pick(kicks, seen))
        if kicked_last and random.random() < st["footwork"] and radius <= C.SOFT_EDGE - 0.3:
            # In and out: after a kick, a step back out of the other's reach.
            return self._walk(self._walk_to(here, there, velocity, hi + 0.15, hi + 0.5))
        if restless and balance_share >= 0.35:
            # Waited long enough: a kick at the edge of its reach (as far as the fighter's eye
            # is out), or a walk straight in.
            slack = max(st["error"], EDGE_SLACK if self.quiet < QUIET_LIMIT else 0.4)
            near = [C.KICK_BY_MOVE[m] for m in st["kicks"] if self.refused.get(m, 0) <= 0 and
                    not (C.KICK_BY_MOVE[m][7] and balance_share < self.style["reserve"]) and
                    C.KICK_BY_MOVE[m][5] - slack <= distance <= C.KICK_BY_MOVE[m][6] + slack]
            if near:
                if random.random() < st["aim"]:
                    return self._ask(max(near, key=lambda k: self._worth(k, distance)))
                return self._ask(min(near, key=lambda k: abs((k[5] + k[6]) / 2 - distance)))
        # Coming in on its own: often let them come rather than walk in just as they do (two
        # fighters who both step in, then both step out, never meet in reach).
        norm = distance or 1.0
        closing = (velocity[0] * (here[0] - there[0]) + velocity[1] * (here[1] - there[1])) / norm
        if distance > hi and (closing > 1.0 or self.quiet > 2 * patience) and random.random() < 0.3:
            return (C.IDLE,)
        if (restless or pressing) and balance_share >= 0.35 and distance > hi:
            # Far off, a walk that ends in reach; just out of reach, or still waiting, straight
            # in (aiming at where the opponent stands: two fighters who aim at where the other
            # will be can chase each other round in step for ever).
            far = distance > hi + 0.5 and self.quiet < 2 * patience
            move = self._walk_to(here, there, (0.0, 0.0), lo, hi) if far else C.IDLE
            return self._walk(move if move != C.IDLE else self._toward(here, there))
        if distance < lo + 0.1:
            # Too close for the kicks: a close-range move, or step back out.
            close = [C.KICK_BY_MOVE[m] for m in st["kicks"]
                     if C.KICK_BY_MOVE[m][5] <= seen + 0.02 and self.refused.get(m, 0) <= 0]
            if close and random.random() >= st["footwork"]:
                return self._ask(self._pick(close, seen))
            # A step back into reach, not as far away as it can get: the other may be stepping
            # out just the same.
            return self._walk(self._walk_to(here, there, (0.0, 0.0), lo, hi, still=False))
        if random.random() < st["close"]:
            # A beginner's habit: walking in too far.
            return self._walk(self._walk_to(here, there, velocity, 0.75, lo))
        if radius > st["edge"] and random.random() < 0.7:
            return self._walk(self._circle(here, there))
        if st["switch"] and random.random() < st["switch"] and distance > 1.8:
            return (C.SWITCH_FEET,)
        if st["circle"] and random.random() < st["circle"] and distance > 1.8:
            return self._walk(self._circle(here, there))
        move = self._walk_to(here, there, velocity, mid - 0.07, mid + 0.07)
        if move == C.IDLE and distance > hi + 0.05 and radius <= C.SOFT_EDGE:
            # A full step would overshoot, but standing still out of reach is no fight.
            move = self._toward(here, there)
        return self._walk(move)

    def _toward(self, here, there):
        """The walk that points most nearly at the opponent."""
        fx, fz = there[0] - here[0], there[1] - here[1]
        return max(sorted(C.WALKS), key=lambda m: (C.WALKS[m][0] * fx + C.WALKS[m][1] * fz) /
                   math.hypot(*C.WALKS[m]))

    def _ask(self, kick):
        self.asked = kick[0]
        self.quiet = 0.0
        self.balance_asked = float(self.me.balance)
        return (kick[0],)
