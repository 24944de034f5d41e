"""A club fighter: the basic kicks, the head roundhouse and the back kick, a fair eye for distance
and the right kick; blocks now and then, strikes back sometimes and retreats when tired."""
import ailib


class Brain(ailib.Brain):
    STYLE = ailib.style(reaction=0.35, error=0.18, kicks=(9, 10, 16, 17, 11, 18), block=0.3, read=0.5,
                        rest=0.3, counter=0.25, aim=0.5, through=0.2, hesitate=0.3, footwork=0.2, press=0.3,
                        patience=1.8, eager=0.7)
