"""A club fighter: the basic kicks, the head roundhouse and the back kick; retreats when tired."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.35, error=0.15, kicks=(9, 10, 16, 17, 11, 18), block=0.35,
                        patience=1.2, eager=1.0)
