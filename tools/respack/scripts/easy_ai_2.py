"""A beginner who mixes in the cut kick, the front hook and the rear punch, a little quicker to act
than the slowest one but just as rough on distance and defence."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.6, error=0.25, kicks=(9, 10, 17, 13, 29), block=0.15, read=0.4, close=0.3,
                        flinch=0.2, blind=0.4, rest=0.2, reserve=0.3, hesitate=0.4, aim=0.1, patience=2.2, eager=0.55)
