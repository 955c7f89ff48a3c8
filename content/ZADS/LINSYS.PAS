program LinSystem;
{ Система двух линейных уравнений по формулам Крамера:
    a1*x + b1*y = c1
    a2*x + b2*y = c2 }
var
  a1, b1, c1, a2, b2, c2, d, dx, dy: real;
begin
  writeln('Система двух линейных уравнений');
  write('a1, b1, c1: '); readln(a1, b1, c1);
  write('a2, b2, c2: '); readln(a2, b2, c2);
  d := a1 * b2 - a2 * b1;    { определитель системы }
  dx := c1 * b2 - c2 * b1;
  dy := a1 * c2 - a2 * c1;
  if d <> 0 then
    writeln('x = ', dx / d:0:4, '   y = ', dy / d:0:4)
  else if (dx = 0) and (dy = 0) then
    writeln('Решений бесконечно много')
  else
    writeln('Решений нет');
  write('Нажмите Enter...');
  readln
end.
