"""A beginner who mixes in the cut kick, the front hook and the rear punch."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.6, error=0.25, kicks=(9, 10, 17, 13, 29), block=0.15, close=0.3, flinch=0.3,
                        patience=2.2, eager=0.65)
