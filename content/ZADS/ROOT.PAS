program Root;
{ Корень уравнения x^3 + x - 1 = 0 методом деления отрезка пополам.
  На концах отрезка [0; 1] функция имеет разные знаки. }
var
  a, b, c, eps: real;

function F(x: real): real;
begin
  F := x * x * x + x - 1
end;

begin
  writeln('Корень уравнения x^3 + x - 1 = 0 на отрезке [0; 1]');
  write('Точность (например, 0.001): ');
  readln(eps);
  if eps <= 0 then eps := 0.001;
  a := 0;
  b := 1;
  while b - a > eps do
  begin
    c := (a + b) / 2;
    { оставляем ту половину, где функция меняет знак }
    if F(a) * F(c) <= 0 then b := c else a := c
  end;
  writeln('x = ', (a + b) / 2:10:6);
  write('Нажмите Enter...');
  readln
end.
